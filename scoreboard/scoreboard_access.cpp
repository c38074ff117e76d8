// The board of the scoreboard dialog as an accessible list: one item per
// rank, named as a sighted player reads its row.
#include "scoreboard/scoreboard_access.h"

#include <string>

#include "access/accessible_node.h"
#include "records/preferences.h"
#include "scoreboard/scoreboard_board.h"

namespace {

std::string FieldText(const char* field, size_t width) { return std::string(field, strnlen(field, width)); }

class ScoreboardNode : public AccessibleNode {
public:
    ScoreboardNode(HWND area, IAccessible* standard) : AccessibleNode(area, standard) {}

protected:
    long ChildCount() override { return kBoardRanks; }

    bool DescribeSelf(AccessibleItem& item) override {
        item.Name = "Scoreboard, " + std::to_string(4 + 2 * ShownBoard) + " guesses";
        item.Role = ROLE_SYSTEM_LIST;
        item.State = STATE_SYSTEM_READONLY;
        GetClientRect(Window, &item.Area);
        return true;
    }

    bool DescribeChild(long child, AccessibleItem& item) override {
        if (child < 1 || child > kBoardRanks) return false;
        const int r = static_cast<int>(child - 1);
        const int16_t score = Preferences.ScoreboardScores[ShownBoard][r];
        item.Name = std::to_string(r + 1) + ". ";
        if (score == 0) {
            item.Name += "empty";
        } else {
            item.Name += FieldText(Preferences.ScoreboardNames[ShownBoard][r], kPlayerNameFieldSize) + ", streak " +
                         std::to_string(score) + ", " +
                         FieldText(Preferences.ScoreboardCategories[ShownBoard][r], kBoardCategoryFieldSize);
        }
        item.Role = ROLE_SYSTEM_LISTITEM;
        item.State = STATE_SYSTEM_READONLY | (HighlightedScoreboardRow() == r ? STATE_SYSTEM_SELECTED : 0);
        item.Area = ScoreboardRowArea(Window, r);
        return true;
    }

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

}  // namespace

bool AnswerScoreboardObject(HWND area, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
    if (!BoardObject) {
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

void ReleaseScoreboardObject() {
    if (!BoardObject) return;
    BoardObject->Disconnect();
    BoardObject = nullptr;
}
