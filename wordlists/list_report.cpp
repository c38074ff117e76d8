// The report of a list read into the CustomWordList.
#include "wordlists/list_report.h"

#include <algorithm>

#include "game/text_format.h"
#include "records/preferences.h"
#include "resource.h"

std::string ReportItem(ReportedKind kind, int number, const std::string& quote, const std::string& reason) {
    const bool entry = kind == ReportedKind::Entry;
    if (quote.empty())
        return FormatProgramText(entry ? IDS_REPORT_ENTRY : IDS_REPORT_LINE, {std::to_string(number), reason});
    return FormatProgramText(entry ? IDS_REPORT_ENTRY_QUOTED : IDS_REPORT_LINE_QUOTED,
                             {std::to_string(number), quote, reason});
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
            return FormatProgramText(IDS_REPORT_NO_ENTRIES, {fileName});
        text = FormatProgramText(lines ? IDS_REPORT_NO_LINE_USED : IDS_REPORT_NO_ENTRY_USED, {fileName});
    } else {
        if (report.ItemCount == 0 && report.FullCount == 0) return text;
        text = FormatProgramText(lines ? IDS_REPORT_ADDED_LINES : IDS_REPORT_ADDED_ENTRIES,
                                 {std::to_string(report.Added), fileName});
    }
    text += "\n";
    for (const ReportedItem& item : report.Items) text += "\n" + item.Text;
    if (report.ItemCount > static_cast<int>(report.Items.size()))
        text += "\n" + FormatProgramText(IDS_REPORT_MORE,
                                         {std::to_string(report.ItemCount - static_cast<int>(report.Items.size()))});
    if (report.FullCount > 0) {
        const std::string first = std::to_string(report.FullFirst);
        const std::string most = std::to_string(kCustomWordMax);
        text += "\n";
        text += report.FullCount == 1
                    ? FormatProgramText(lines ? IDS_REPORT_FULL_LINE : IDS_REPORT_FULL_ENTRY, {first, most})
                    : FormatProgramText(lines ? IDS_REPORT_FULL_LINES : IDS_REPORT_FULL_ENTRIES,
                                        {first, std::to_string(report.FullLast), most});
    }
    return text;
}
