// The board of the scoreboard dialog as an accessible list: one item per
// rank, named as a sighted player reads its row, the name first.
#include "scoreboard/scoreboard_access.h"

#include <string>

#include "access/accessible_node.h"
#include "game/text_format.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "resource.h"
#include "scoreboard/scoreboard_board.h"

namespace {

std::string FieldText(const char* field, size_t width) { return std::string(field, strnlen(field, width)); }

class ScoreboardNode : public AccessibleNode {
public:
    ScoreboardNode(HWND area, IAccessible* standard) : AccessibleNode(area, standard) {}

protected:
    bool HasFocus() const { return GetFocus() == Window; }

    long ChildCount() override { return kBoardRanks; }

    bool DescribeSelf(AccessibleItem& item) override {
        item.Name = FormatProgramText(IDS_SAY_BOARD, {std::to_string(4 + 2 * ShownBoard)});
        item.Role = ROLE_SYSTEM_LIST;
        item.State = STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE | (HasFocus() ? STATE_SYSTEM_FOCUSED : 0);
        GetClientRect(Window, &item.Area);
        return true;
    }

    bool DescribeChild(long child, AccessibleItem& item) override {
        if (child < 1 || child > kBoardRanks) return false;
        const int r = static_cast<int>(child - 1);
        const int16_t score = Preferences.ScoreboardScores[ShownBoard][r];
        const std::string rank = FormatProgramText(IDS_SAY_RANK, {std::to_string(r + 1)});
        if (score == 0) {
            item.Name = FormatProgramText(IDS_SAY_EMPTY_RANK, {rank});
        } else {
            item.Name = FormatProgramText(
                IDS_SAY_ENTRY, {FieldText(Preferences.ScoreboardNames[ShownBoard][r], kPlayerNameFieldSize), rank,
                                std::to_string(score),
                                FieldText(Preferences.ScoreboardCategories[ShownBoard][r], kBoardCategoryFieldSize)});
        }
        const bool newest = HighlightedScoreboardRow() == r;
        if (newest) item.Description = ProgramText(IDS_SAY_NEW_ENTRY);
        item.Role = ROLE_SYSTEM_LISTITEM;
        item.State = STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE | (newest ? STATE_SYSTEM_SELECTED : 0) |
                     (HasFocus() && FocusedBoardRow == r ? STATE_SYSTEM_FOCUSED : 0);
        item.Area = ScoreboardRowArea(Window, r);
        return true;
    }

    long FocusedChild() override { return HasFocus() ? FocusedBoardRow + 1 : -1; }

    long ChildAt(int x, int y) override {
        for (int r = 0; r < kBoardRanks; ++r) {
            const RECT row = ScoreboardRowArea(Window, r);
            const POINT point = {x, y};
            if (PtInRect(&row, point)) return r + 1;
        }
        return CHILDID_SELF;
    }
};

ScoreboardNode* BoardObject = nullptr;
// Set on a board whose end has begun: no object is made for it again.
constexpr char kBoardGone[] = "WordloftBoardGone";

}  // namespace

void ForgetScoreboard(HWND area) { RemovePropA(area, kBoardGone); }

bool AnswerScoreboardObject(HWND area, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
    if (!BoardObject) {
        if (GetPropA(area, kBoardGone)) return false;
        IAccessible* standard = nullptr;
        if (!EnterAccessibleApartment() ||
            FAILED(CreateStdAccessibleObject(area, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard)))) {
            return false;
        }
        BoardObject = new ScoreboardNode(area, standard);
    }
    *result = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(BoardObject));
    return true;
}

void NoteScoreboardShown(HWND area) {
    if (!BoardObject) return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, area, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_REORDER, area, OBJID_CLIENT, CHILDID_SELF);
}

// Like a system list, the board tells of the row the focus is on itself,
// whether or not a client has asked for it yet.
void NoteScoreboardFocus(HWND area) {
    if (GetFocus() == area) NotifyWinEvent(EVENT_OBJECT_FOCUS, area, OBJID_CLIENT, FocusedBoardRow + 1);
}

void ReleaseScoreboardObject(HWND area) {
    SetPropA(area, kBoardGone, reinterpret_cast<HANDLE>(1));
    if (!BoardObject) return;
    BoardObject->Disconnect();
    BoardObject = nullptr;
}
