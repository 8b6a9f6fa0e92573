// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/splash_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace tumblix {

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// The logo: a few falling squares in the game's colours.
class Logo : public QWidget {
  public:
    explicit Logo(QWidget* parent) : QWidget(parent) { setFixedSize(96, 96); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const int cells[][2] = {{1, 0}, {1, 1}, {2, 1}, {1, 2}, {0, 4},
                                {1, 4}, {2, 4}, {3, 4}, {3, 3}};
        const QColor colors[] = {QColor(250, 200, 120), QColor(150, 230, 180),
                                 QColor(200, 170, 250)};
        int i = 0;
        for (auto& c : cells) {
            QRect r(8 + c[0] * 20, 8 + c[1] * 17, 16, 14);
            p.fillRect(r, colors[(i++) / 4 % 3]);
            p.setPen(QColor(0, 255, 255));
            p.drawRect(r);
        }
    }
};
}  // namespace

SplashWindow::SplashWindow(const QString& version) : QWidget(nullptr, Qt::SplashScreen) {
    setObjectName("frmSplash");
    setWindowTitle(tr("Tumblix: загрузка"));
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new Logo(frame), 0, 0, 4, 1);
    QLabel* product = label(frame, "lblProductName", "Tumblix");
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 10);
    big.setBold(true);
    product->setFont(big);
    grid->addWidget(product, 0, 1);
    grid->addWidget(label(frame, "lblVersion", "Version " + version), 1, 1);
    grid->addWidget(label(frame, "lblPlatform", "Platform Win9x, WinNT + DirectX 8.0"), 2, 1);
    grid->addWidget(label(frame, "lblLicenseTo", "LicenseTo"), 3, 1);
    grid->addWidget(label(frame, "lblCompanyProduct", "CompanyProduct"), 4, 1);
    grid->addWidget(label(frame, "lblWarning", "Warning"), 5, 0, 1, 2);
    grid->addWidget(label(frame, "lblCopyright", tr("Свободная игра: играйте, дарите, делитесь.")),
                    6, 0, 1, 2);
    grid->addWidget(label(frame, "lblCompany", tr("Мастерская Tumblix")), 7, 0, 1, 2);
    auto* layout = new QGridLayout(this);
    layout->addWidget(frame);
}

}  // namespace tumblix
