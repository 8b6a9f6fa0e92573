// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/slider.h"

#include <QMouseEvent>
#include <algorithm>

namespace tumblix {

Slider::Slider(QWidget* parent, const QString& name, int minimum, int maximum, int largeStep,
               int tickEvery, const QString& tip)
    : QSlider(Qt::Horizontal, parent) {
    setObjectName(name);
    setRange(minimum, maximum);
    setPageStep(largeStep);
    setSingleStep(1);
    setTickInterval(tickEvery);
    setTickPosition(TicksBelow);
    setToolTip(tip);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!fromCode_) emit Scroll();
    });
}

void Slider::setCodeValue(int value) {
    fromCode_ = true;
    setValue(std::clamp(value, minimum(), maximum()));
    fromCode_ = false;
}

void Slider::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    QSlider::mousePressEvent(e);
}

void Slider::mouseReleaseEvent(QMouseEvent* e) {
    QSlider::mouseReleaseEvent(e);
    bool over = rect().contains(e->position().toPoint());
    if (over) emit MouseUp();
    if (over && std::exchange(pressed_, false)) emit Click();
    pressed_ = false;
}

}  // namespace tumblix
