// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/color.h"

namespace tumblix {

// The main window's controls whose properties the game writes or reads. The window mirrors
// them: each change is reported to the observer, which applies it to the real widget.
enum class Ctl {
    frmMain,
    picTumblix,
    picNext,
    fraControl,
    cmdDown,
    cmdLeftRight0,
    cmdLeftRight2,
    cmdRotate0,
    cmdSpace,
    lblPause,
    chkPause,
    chkHelp,
    chkDemo,
    chkSet,
    chkExit,
    chkAuto,
    chkFuture,
    chkRec,
    chkStat,
    chkMP3,
    fraLines,
    lblScore,
    lblCountLines1,
    lblCountLines2,
    lblCountLines3,
    lblCountLines4,
    lblFirma,
    lblSumBonus,
    lblHeightBonus,
    lblLevel,
    lblPosition,
    lblRemain,
    lblNextPlace,
    lblTimeBonus,
    lblTotal,
    lblTotalScore,
    lstTable,
    lstStatistic,
    picFuture,
    frmMP3,
    frmMenu,
    fraScore,
    lblAutors,
    Count
};

enum class Timer { tmrDown, tmrMigMenuControls, tmrDemo, tmrLevel, tmrMigCountLines, Count };

enum class List { lstTable, lstStatistic, Count };

// The object name of a control as the window names it, e.g. "cmdLeftRight(0)".
std::string_view ctlName(Ctl c);
// The control of that object name; Ctl::Count for a control the panel does not hold.
Ctl ctlByName(std::string_view name);
std::string_view timerName(Timer t);
Ctl lblCountLines(int n);  // n = 1..4

struct ControlState {
    std::string text;
    Color foreColor = 0;
    Color backColor = 0;
    Color fillColor = 0;  // pictures only
    bool visible = true;
    bool enabled = true;
    int value = 0;  // check buttons: 1 pressed in, 0 released
};

struct TimerState {
    bool enabled = false;
    int interval = 0;  // milliseconds
};

struct ListState {
    std::vector<std::string> lines;
    int selected = -1;
};

class PanelObserver {
  public:
    virtual ~PanelObserver() = default;
    virtual void controlChanged(Ctl) {}
    virtual void timerChanged(Timer) {}
    virtual void listCleared(List) {}
    virtual void listLineAdded(List, const std::string&) {}
    virtual void listSelected(List, int) {}
};

// Holds the state of the controls; starts with the design values.
class Panel {
  public:
    Panel();

    void setObserver(PanelObserver* observer) { observer_ = observer; }

    const ControlState& operator[](Ctl c) const { return controls_[index(c)]; }
    const TimerState& timer(Timer t) const { return timers_[static_cast<std::size_t>(t)]; }
    const ListState& list(List l) const { return lists_[static_cast<std::size_t>(l)]; }

    void setText(Ctl c, std::string text);
    void setForeColor(Ctl c, Color color);
    void setBackColor(Ctl c, Color color);
    void setFillColor(Ctl c, Color color);
    void setVisible(Ctl c, bool visible);
    void setEnabled(Ctl c, bool enabled);
    // Only stores the value; the window's click handling lives with the caller.
    void setValue(Ctl c, int value);

    void setTimerEnabled(Timer t, bool enabled);
    void setTimerInterval(Timer t, int ms);

    void clearList(List l);
    void addLine(List l, std::string line);
    void selectLine(List l, int index);
    void selectLastLine(List l) { selectLine(l, static_cast<int>(list(l).lines.size()) - 1); }

  private:
    static std::size_t index(Ctl c) { return static_cast<std::size_t>(c); }
    void changed(Ctl c) {
        if (observer_) observer_->controlChanged(c);
    }

    std::array<ControlState, static_cast<std::size_t>(Ctl::Count)> controls_;
    std::array<TimerState, static_cast<std::size_t>(Timer::Count)> timers_;
    std::array<ListState, static_cast<std::size_t>(List::Count)> lists_;
    PanelObserver* observer_ = nullptr;
};

}  // namespace tumblix
