// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/panel.h"

#include <utility>

namespace tumblix {

namespace {
constexpr std::string_view kCtlNames[] = {
    "frmMain",          "picTumblix",       "picNext",          "fraControl",
    "cmdDown",          "cmdLeftRight(0)",  "cmdLeftRight(2)",  "cmdRotate(0)",
    "cmdSpace",         "lblPause",         "chkPause",         "chkHelp",
    "chkDemo",          "chkSet",           "chkExit",          "chkAuto",
    "chkFuture",        "chkRec",           "chkStat",          "chkMP3",
    "fraLines",         "lblScore",         "lblCountLines(1)", "lblCountLines(2)",
    "lblCountLines(3)", "lblCountLines(4)", "lblFirma",         "lblSumBonus",
    "lblHeightBonus",   "lblLevel",         "lblPosition",      "lblRemain",
    "lblNextPlace",     "lblTimeBonus",     "lblTotal",         "lblTotalScore",
    "lstTable",         "lstStatistic",     "picFuture",        "frmMP3",
    "frmMenu",          "fraScore",         "lblAutors"};
static_assert(std::size(kCtlNames) == static_cast<std::size_t>(Ctl::Count));

constexpr std::string_view kTimerNames[] = {"tmrDown", "tmrMigMenuControls", "tmrDemo", "tmrLevel",
                                            "tmrMigCountLines"};
static_assert(std::size(kTimerNames) == static_cast<std::size_t>(Timer::Count));

constexpr Color kGrey = 0xC0C0C0;
constexpr Color kDarkGrey = 0x808080;
constexpr Color kMenuBack = 0x004080;
constexpr Color kMenuText = 0xFFFFC0;
}  // namespace

std::string_view ctlName(Ctl c) {
    return kCtlNames[static_cast<std::size_t>(c)];
}
Ctl ctlByName(std::string_view name) {
    int i = 0;
    while (i < static_cast<int>(Ctl::Count) && kCtlNames[i] != name) ++i;
    return static_cast<Ctl>(i);
}
std::string_view timerName(Timer t) {
    return kTimerNames[static_cast<std::size_t>(t)];
}
Ctl lblCountLines(int n) {
    return static_cast<Ctl>(static_cast<int>(Ctl::lblCountLines1) + (n < 1   ? 0
                                                                     : n > 4 ? 3
                                                                             : n - 1));
}

Panel::Panel() {
    auto design = [this](Ctl c, std::string text, Color fore, Color back) {
        ControlState& s = controls_[index(c)];
        s.text = std::move(text);
        s.foreColor = fore;
        s.backColor = back;
    };
    design(Ctl::frmMain, "Tumblix", 0, colors::black);
    design(Ctl::picTumblix, "", 0, colors::black);
    design(Ctl::picNext, "", 0, colors::black);
    design(Ctl::fraControl, "Control", 0, kDarkGrey);
    design(Ctl::cmdDown, "V", 0, kGrey);
    design(Ctl::cmdLeftRight0, "<", 0, kGrey);
    design(Ctl::cmdLeftRight2, ">", 0, kGrey);
    design(Ctl::cmdRotate0, "^", 0, kGrey);
    design(Ctl::cmdSpace, "", 0, kGrey);
    design(Ctl::lblPause, "Pause", rgb(255, 0, 0), colors::black);
    const std::pair<Ctl, const char*> upper[] = {{Ctl::chkPause, "Pause"},
                                                 {Ctl::chkHelp, "Help"},
                                                 {Ctl::chkDemo, "Demo"},
                                                 {Ctl::chkSet, "Set"},
                                                 {Ctl::chkExit, "Exit"}};
    for (auto& [c, caption] : upper) design(c, caption, kMenuText, kMenuBack);
    const std::pair<Ctl, const char*> lower[] = {{Ctl::chkAuto, "Auto"},
                                                 {Ctl::chkFuture, "Future"},
                                                 {Ctl::chkRec, "Best"},
                                                 {Ctl::chkStat, "Stat"},
                                                 {Ctl::chkMP3, "MP3"}};
    for (auto& [c, caption] : lower) design(c, caption, kMenuText, 0);
    design(Ctl::fraLines, "Lines Bonus", 0, kGrey);
    design(Ctl::lblScore, "---", 0, kGrey);
    for (int n = 1; n <= 4; ++n) design(lblCountLines(n), "", 0, kGrey);
    design(Ctl::lblFirma, " Tumblix - фигурка    Бонус ", 0, kGrey);
    controls_[index(Ctl::lblFirma)].visible = false;
    design(Ctl::lblSumBonus, "Label1", 0, kGrey);
    design(Ctl::lblHeightBonus, "Time Bonus", 0, kGrey);
    design(Ctl::lblLevel, "Level # 0", qbColor(1), kGrey);
    design(Ctl::lblPosition, "Position", 0, kGrey);
    design(Ctl::lblRemain, "Label1", 0, kGrey);
    design(Ctl::lblNextPlace, "Label1", 0, kGrey);
    design(Ctl::lblTimeBonus, "***", 0, kGrey);
    design(Ctl::lblTotal, "Total Time Bonus", 0, kGrey);
    design(Ctl::lblTotalScore, "4000000", 0, kGrey);
    design(Ctl::lstTable, "", colors::white, 0);
    design(Ctl::lstStatistic, "", colors::white, 0);
    design(Ctl::picFuture, "", 0, 0);
    design(Ctl::frmMP3, "", 0, 0);
    design(Ctl::frmMenu, "Menu", 0, kDarkGrey);
    design(Ctl::fraScore, "Score", 0, kGrey);
    design(Ctl::lblAutors, "", 0, kGrey);

    const int intervals[] = {2, 100, 500, 100, 250};
    for (std::size_t i = 0; i < timers_.size(); ++i) timers_[i].interval = intervals[i];
    timers_[static_cast<std::size_t>(Timer::tmrDown)].enabled = true;
}

void Panel::setText(Ctl c, std::string text) {
    auto& s = controls_[index(c)];
    if (s.text == text) return;
    s.text = std::move(text);
    changed(c);
}

#define TUMBLIX_PANEL_SETTER(name, field, type) \
    void Panel::name(Ctl c, type v) {           \
        auto& s = controls_[index(c)];          \
        if (s.field == v) return;               \
        s.field = v;                            \
        changed(c);                             \
    }
TUMBLIX_PANEL_SETTER(setForeColor, foreColor, Color)
TUMBLIX_PANEL_SETTER(setBackColor, backColor, Color)
TUMBLIX_PANEL_SETTER(setFillColor, fillColor, Color)
TUMBLIX_PANEL_SETTER(setVisible, visible, bool)
TUMBLIX_PANEL_SETTER(setEnabled, enabled, bool)
TUMBLIX_PANEL_SETTER(setValue, value, int)
#undef TUMBLIX_PANEL_SETTER

void Panel::setTimerEnabled(Timer t, bool enabled) {
    auto& s = timers_[static_cast<std::size_t>(t)];
    if (s.enabled == enabled) return;
    s.enabled = enabled;
    if (observer_) observer_->timerChanged(t);
}

void Panel::setTimerInterval(Timer t, int ms) {
    auto& s = timers_[static_cast<std::size_t>(t)];
    if (s.interval == ms) return;
    s.interval = ms;
    if (observer_) observer_->timerChanged(t);
}

void Panel::clearList(List l) {
    auto& s = lists_[static_cast<std::size_t>(l)];
    s.lines.clear();
    s.selected = -1;
    if (observer_) observer_->listCleared(l);
}

void Panel::addLine(List l, std::string line) {
    auto& s = lists_[static_cast<std::size_t>(l)];
    s.lines.push_back(std::move(line));
    if (observer_) observer_->listLineAdded(l, s.lines.back());
}

void Panel::selectLine(List l, int i) {
    auto& s = lists_[static_cast<std::size_t>(l)];
    if (i < -1 || i >= static_cast<int>(s.lines.size())) return;
    s.selected = i;
    if (observer_) observer_->listSelected(l, i);
}

}  // namespace tumblix
