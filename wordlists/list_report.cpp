// The report of a list read into the CustomWordList.
#include "wordlists/list_report.h"

#include <algorithm>

#include "records/preferences.h"

std::string ReportItem(const char* kind, int number, const std::string& quote, const std::string& reason) {
    std::string item = std::string(kind) + " " + std::to_string(number);
    if (!quote.empty()) item += ", " + quote;
    return item + ": " + reason;
}

bool ReportNamesMore(const ListReport& report) { return report.Items.size() < kReportedItemLimit; }

void NoteReportedItem(ListReport& report, int number, const std::string& text) {
    ++report.ItemCount;
    if (ReportNamesMore(report)) report.Items.push_back({number, text});
}

void NoteListFull(ListReport& report, int number) {
    if (report.FullCount++ == 0 || number < report.FullFirst) report.FullFirst = number;
    if (number > report.FullLast) report.FullLast = number;
}

void MergeReportedItems(ListReport& report, std::vector<ReportedItem> items) {
    report.ItemCount += static_cast<int>(items.size());
    items.insert(items.end(), report.Items.begin(), report.Items.end());
    std::stable_sort(items.begin(), items.end(),
                     [](const ReportedItem& a, const ReportedItem& b) { return a.Number < b.Number; });
    if (items.size() > kReportedItemLimit) items.resize(kReportedItemLimit);
    report.Items = std::move(items);
}

std::string FormatListReport(const ListReport& report, const std::string& fileName) {
    const bool lines = !report.Entries;
    std::string text;
    if (report.Unchanged) {
        if (report.ItemCount == 0 && report.FullCount == 0)
            return fileName + " holds no entries, so the list is unchanged.";
        text = std::string("No ") + (lines ? "line" : "entry") + " of " + fileName +
               " could be used, so the list is unchanged:";
    } else {
        if (report.ItemCount == 0 && report.FullCount == 0) return text;
        text = std::to_string(report.Added) + (report.Added == 1 ? " entry was" : " entries were") +
               " added from " + fileName + ". " +
               (lines ? "These lines were left out or changed:"
                      : "These entries were left out or will look odd in play:");
    }
    text += "\n";
    for (const ReportedItem& item : report.Items) text += "\n" + item.Text;
    if (report.ItemCount > static_cast<int>(report.Items.size()))
        text += "\nand " + std::to_string(report.ItemCount - static_cast<int>(report.Items.size())) + " more";
    if (report.FullCount > 0) {
        const char* kind = lines ? "line" : "entry";
        const char* kinds = lines ? "lines" : "entries";
        text += "\n";
        text += report.FullCount == 1 ? std::string(kind) + " " + std::to_string(report.FullFirst)
                                      : std::string(kinds) + " " + std::to_string(report.FullFirst) + " to " +
                                            std::to_string(report.FullLast);
        text += ": the list was full (" + std::to_string(kCustomWordMax) + " entries)";
    }
    return text;
}
