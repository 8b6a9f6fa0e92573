// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "engine/canvas.h"
#include "engine/figure_chooser.h"
#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/panel.h"
#include "engine/random.h"

namespace tumblix {

// What a game start needs from the windows around the engine.
class GameShell {
  public:
    virtual ~GameShell() = default;
    // Work done once per run: the window shape and the settings.
    virtual void initOnce() {}
    // Makes the menu check buttons agree with the side windows.
    virtual void syncMenuButtons() {}
    virtual void showMainWindow() {}
};

// The best-players table as the game sees it during play and at its end.
class RecordsKeeper {
  public:
    virtual ~RecordsKeeper() = default;
    // Reloads the table and its list; returns the number of entries.
    virtual int load() = 0;
    // After a landing: the running score in points.
    virtual void updatePlace(std::int64_t score) = 0;
    // At game over: insert the result (perhaps asking for a name), refill the list, save.
    virtual void store(std::int64_t score) = 0;
    virtual void clear() = 0;
};

struct Canvases {
    Canvas& board;
    Canvas& next;
    Canvas& future;
};

// The game of the main window: the board, the falling figure, the tick, landing, scoring and
// drawing. Everything it shows goes through the panel and the canvases; the windows turn
// their events into calls of its operations.
class Game {
  public:
    Game(Random& random, const Clock& clock, GameHost& host, Canvases canvases);

    Panel& panel() { return panel_; }
    const Panel& panel() const { return panel_; }
    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    GameSettings& settings() { return settings_; }
    FigureChooser& chooser() { return chooser_; }
    Random& random() { return random_; }
    GameHost& host() { return host_; }
    void setShell(GameShell* shell) { shell_ = shell; }
    void setRecords(RecordsKeeper* records) { records_ = records; }

    // True between the end of a game and the answer to the new-game question, and after the
    // player declined: the tick leaves the game alone then.
    bool ended() const { return inEndGame_ || closed_; }

    // Start of a game (the main window's load procedure).
    void Form_Load();

    // The gravity tick.
    void tmrDown_Timer();
    // How many ticks from now the next one changes what the windows show (at least 1): every
    // tick while the figure drops or the time bonus counts down, else the next fall step.
    int ticksUntilShown() const;
    // Display timers of the score panel.
    void tmrMigCountLines_Timer();
    void tmrLevel_Timer();

    // Operations the player's actions call.
    bool EnableMoveLRForMouse(int lX) const;
    bool CanMoveDown() const;
    bool FigureFits(const FigureBox& candidate) const;
    void RotateFigure();
    bool CanInvert() const;
    void InvertFigure();
    bool GameOver() const;

    // Pattern and board operations.
    std::string Initialize_Array_For_Tumblix() { return chooser_.tumblixPattern(); }
    void Initialize_Array_For_Tetris(FigureBox& arr, const std::string& pattern);
    void Update_Array_C();
    void ShiftFigureQueue();
    // Removes every full row (level progress may raise Speed); returns the number removed.
    int RemoveFullLines();
    // The upper menu row's normal colours (red, cyan text) and their reset.
    static constexpr Color kMenuBack = 255, kMenuText = 0xFFFF00;
    void ResetMenuColors();

    // Drawing.
    void DrawFigure();
    void DrawBoard();
    void DrawGrid();
    void UpdateFantom();
    void DrawFantom(int column, int row);
    void DrawNextFigure();
    void ShowFigureBonus(const QueueEntry& next);
    void DrawFuture();
    void Minimize_Window(bool minimize);

    void ShowTimeBonus(std::int64_t bonus);
    void PlaySound(Sound s) { host_.playSound(s); }
    void addStatLine(std::string line, bool selectLast = false);
    void ShowAllResult();

  private:
    void landFigure();
    void scoreLines(int lines);
    void levelProgress();
    void EndGame(std::int64_t score);
    Color randomColor(int base, int spread);

    Random& random_;
    const Clock& clock_;
    GameHost& host_;
    Canvases canvas_;
    GameShell* shell_ = nullptr;
    RecordsKeeper* records_ = nullptr;
    FigureChooser chooser_;
    Panel panel_;
    GameState s_;
    GameSettings settings_;
    bool inEndGame_ = false;
    bool closed_ = false;
};

}  // namespace tumblix
