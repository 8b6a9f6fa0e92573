#include "records/best_players.h"

#include <fstream>
#include <limits>
#include <system_error>
#include <utility>

namespace tumblix {

namespace {

constexpr int kMaxEntries = 99;

const std::vector<Record>& defaultTable() {
    static const std::vector<Record> table{{"Guest", 0}};
    return table;
}

// How far ahead the entry is; b never exceeds a here, so only a negative b can overflow.
std::int64_t gap(std::int64_t a, std::int64_t b) {
    if (b < 0 && a > std::numeric_limits<std::int64_t>::max() + b)
        return std::numeric_limits<std::int64_t>::max();
    return a - b;
}

}  // namespace

BestPlayers::BestPlayers(Game& game, NameAsker& asker, std::filesystem::path file)
    : game_(game), asker_(asker), file_(std::move(file)) {}

int BestPlayers::load() {
    LoadRecords();
    FillRecordsList();
    return static_cast<int>(records_.size());
}

void BestPlayers::clear() {
    records_.clear();
}

void BestPlayers::store(std::int64_t score) {
    // A failure of any step leaves the rest to do their part: the game must still reach its
    // new-game question.
    InsertRecord(score);
    FillRecordsList();
    SaveRecords();
}

void BestPlayers::LoadRecords() {
    records_.clear();
    fileUnreadable_ = false;
    std::ifstream in(file_, std::ios::binary);
    if (!in) {
        std::error_code ec;
        if (std::filesystem::exists(file_, ec) || ec) {
            // There is a table we cannot read: show the default one but never write over it.
            fileUnreadable_ = true;
            records_ = defaultTable();
            return;
        }
        saveDefaultRecordsFile(file_);
        in.open(file_, std::ios::binary);
        if (!in) {
            records_ = defaultTable();
            return;
        }
    }
    // A name without its score line at the end is dropped; the complete records stay.
    records_ = readRecords(in).records;
    if (in.bad()) {
        // The read broke off (the name may even be a folder): treat it like an unreadable file.
        fileUnreadable_ = true;
        records_ = defaultTable();
    }
}

bool BestPlayers::SaveRecords() {
    if (fileUnreadable_) return false;
    return saveRecordsFile(file_, records_);
}

void BestPlayers::FillRecordsList() {
    Panel& panel = game_.panel();
    panel.clearList(List::lstTable);
    for (std::size_t i = 0; i < records_.size(); ++i)
        panel.addLine(List::lstTable, recordListLine(static_cast<int>(i) + 1, records_[i]));
}

void BestPlayers::InsertRecord(std::int64_t score) {
    // Another copy of the game may have added its results since this game started.
    LoadRecords();
    if (records_.empty()) {
        std::string name = AskPlayerName();
        if (bCancelRecord) return;
        records_.push_back({std::move(name), score});
        return;
    }
    // A new result goes below the results equal to it.
    auto below = records_.begin();
    while (below != records_.end() && below->score >= score) ++below;
    if (below != records_.end()) {
        std::string name = AskPlayerName();
        if (bCancelRecord) return;
        records_.insert(below, {std::move(name), score});
        if (records_.size() > kMaxEntries) records_.erase(records_.begin() + kMaxEntries);
        return;
    }
    if (records_.size() >= kMaxEntries) return;
    std::string name = AskPlayerName();
    if (bCancelRecord) return;
    records_.push_back({std::move(name), score});
}

std::string BestPlayers::AskPlayerName() {
    game_.panel().setTimerEnabled(Timer::tmrDemo, false);
    std::optional<std::string> typed = asker_.askPlayerName();
    if (!typed) {
        bCancelRecord = true;
        return {};
    }
    bCancelRecord = false;
    std::string name = cleanName(*typed);
    if (name.empty()) name = cleanName(asker_.todayShortDate());
    return name;
}

void BestPlayers::updatePlace(std::int64_t score) {
    int& Place = game_.state().Place;
    if (Place <= 0) return;
    // Place counts the entries ahead of the player, so it can be no more than all of them.
    if (Place > static_cast<int>(records_.size())) Place = static_cast<int>(records_.size());
    auto entryScore = [this](int place) {
        return records_[static_cast<std::size_t>(place - 1)].score;
    };

    while (Place > 0 && score > entryScore(Place)) {
        --Place;
        ++PlaceGained;
    }
    Panel& panel = game_.panel();
    if (Place > 0)
        panel.setText(Ctl::lblNextPlace,
                      "Next Place : +" + std::to_string(gap(entryScore(Place), score)));
    if (PlaceGained == 0) return;
    PlaceGained = 0;

    // The first selection scrolls the list so that the lines above the new place stay in view.
    panel.selectLine(List::lstTable, Place < 6 ? 0 : Place - 5);
    panel.selectLine(List::lstTable, Place);
    panel.setText(Ctl::lblPosition, "Place # " + std::to_string(Place + 1));
    if (!panel.timer(Timer::tmrMigMenuControls).enabled)
        panel.setTimerEnabled(Timer::tmrMigMenuControls, true);
    if (Place != 0) {
        game_.addStatLine("...Current place : " + std::to_string(Place + 1));
        return;
    }
    panel.setForeColor(Ctl::lblPosition, qbColor(11));
    panel.setVisible(Ctl::lblNextPlace, false);
    game_.addStatLine("...VICTORY !!!");
    game_.DrawGrid();
}

}  // namespace tumblix
