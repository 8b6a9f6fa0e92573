// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/best_players.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <sstream>
#include <utility>

#include "files/bounded_read.h"
#include "files/file_lock.h"
#include "files/write_error_text.h"

namespace tumblix {

namespace {

constexpr std::size_t kMaxEntries = 99;

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
    // new-game question. The name is asked first; then, under the table's lock, the table is
    // read again (another copy of the game may have stored results meanwhile), the result
    // goes in, and the table is written before the lock is let go.
    LoadRecords();
    std::optional<std::string> name;
    if (placeFor(score) != kNoPlace) name = AskPlayerName();
    if (bCancelRecord) name.reset();
    FileLock lock(lockFile());
    LoadRecords();
    std::size_t place = placeFor(score);
    if (name && place != kNoPlace) {
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(place),
                        {std::move(*name), score});
        if (records_.size() > kMaxEntries) records_.resize(kMaxEntries);
    }
    FillRecordsList();
    SaveRecords();
}

void BestPlayers::LoadRecords() {
    records_.clear();
    fileUnreadable_ = false;
    FileText file = readBoundedFile(file_);
    if (file.status == FileText::Status::Missing) {
        saveDefaultRecordsFile(file_);
        file = readBoundedFile(file_);
        if (file.status != FileText::Status::Read) {
            records_ = defaultTable();
            return;
        }
    }
    if (file.status != FileText::Status::Read) {
        // There is a table we cannot read: show the default one but never write over it.
        fileUnreadable_ = true;
        records_ = defaultTable();
        return;
    }
    // A name without its score line at the end is dropped; the complete records stay, up to
    // the table's size.
    std::istringstream in(std::move(file.text));
    records_ = readRecords(in).records;
    if (records_.size() > kMaxEntries) records_.resize(kMaxEntries);
}

bool BestPlayers::SaveRecords() {
    if (fileUnreadable_) {
        game_.addStatLine(
            QCoreApplication::translate(
                "tumblix::BestPlayers",
                "Таблица рекордов не записана: файл %1 не читается, он оставлен как есть")
                .arg(QString::fromStdString(file_.string()))
                .toStdString());
        return false;
    }
    WriteResult written = saveRecordsFile(file_, records_);
    if (!written)
        game_.addStatLine(QCoreApplication::translate("tumblix::BestPlayers",
                                                      "Таблица рекордов не записана в файл %1: %2")
                              .arg(QString::fromStdString(file_.string()),
                                   QString::fromStdString(writeErrorText(written.error)))
                              .toStdString());
    return static_cast<bool>(written);
}

std::filesystem::path BestPlayers::lockFile() const {
    std::filesystem::path lock = file_;
    lock += ".lock";
    return lock;
}

// Where a result goes: below the results equal to it; after the last only while the table
// has room. kNoPlace when it does not enter the table.
std::size_t BestPlayers::placeFor(std::int64_t score) const {
    auto below = std::find_if(records_.begin(), records_.end(),
                              [score](const Record& r) { return r.score < score; });
    if (below == records_.end() && records_.size() >= kMaxEntries) return kNoPlace;
    return static_cast<std::size_t>(below - records_.begin());
}

void BestPlayers::FillRecordsList() {
    Panel& panel = game_.panel();
    panel.clearList(List::lstTable);
    for (std::size_t i = 0; i < records_.size(); ++i)
        panel.addLine(List::lstTable, recordListLine(static_cast<int>(i) + 1, records_[i]));
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
