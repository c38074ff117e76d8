// The report of a list read into the CustomWordList: how many entries were
// added, and every line (or word-list entry) that was left out or changed,
// named with its reason, the first of them in words and the rest counted.
// Platform-free.
#ifndef WORDLOFT_WORDLISTS_LIST_REPORT_H
#define WORDLOFT_WORDLISTS_LIST_REPORT_H

#include <cstddef>
#include <string>
#include <vector>

// The report names this many lines; the others are counted.
constexpr size_t kReportedItemLimit = 15;

// One named line: "line 4, "x-ray": a hyphen is not a letter", UTF-8.
struct ReportedItem {
    int Number;
    std::string Text;
};

struct ListReport {
    int Added = 0;
    // The first kReportedItemLimit lines (entries of a .WLT) left out,
    // changed, or, for a .WLT, taken but odd in play, in file order; and
    // how many there are in all.
    std::vector<ReportedItem> Items;
    int ItemCount = 0;
    // The lines left out because the list held 200 entries: how many, the
    // first and the last.
    int FullCount = 0;
    int FullFirst = 0;
    int FullLast = 0;
    // Items name entries of a word-list file rather than lines.
    bool Entries = false;
    // Nothing was usable, so the list was left as it was.
    bool Unchanged = false;
};

// One named line of the report: "line 4, \"x-ray\": a hyphen is not a
// letter" (of a line or of an entry; no quote where it is empty), in the
// language the program speaks.
enum class ReportedKind { Line, Entry };
std::string ReportItem(ReportedKind kind, int number, const std::string& quote, const std::string& reason);

// True while the report still names lines in words: a line noted after
// that is only counted, so its reason need not be worked out.
bool ReportNamesMore(const ListReport& report);

// Notes a line left out or changed; lines must come in file order.
void NoteReportedItem(ListReport& report, int number, const std::string& text);

// Notes one more line (or entry) that a full list left out.
void NoteListFull(ListReport& report, int number);

// Adds named lines that may come from anywhere in the file, keeping the
// report's lines in file order.
void MergeReportedItems(ListReport& report, std::vector<ReportedItem> items);

// The message for the player, UTF-8: how many entries were added from the
// file (or that the list is unchanged) and up to 15 of the lines named,
// then "and N more". Empty when every line was taken as it stood.
std::string FormatListReport(const ListReport& report, const std::string& fileName);

#endif
