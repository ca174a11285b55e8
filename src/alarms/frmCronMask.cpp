#include "alarms/frmCronMask.h"

#include "../../res/resource.h"
#include "widgets/Application.h"

namespace {

TForm::TParams CronMaskParams()
{
    return TForm::DialogParams("TCronMaskForm", "Cron mask", 409, 241);
}

constexpr int ListTop = 24;
constexpr int ListHeight = 116;
constexpr int UnderTop = ListTop + ListHeight + 4;
constexpr int ConnectiveTop = ListTop + ListHeight / 2 - 6;

// The user's long names, by their locale numbers.
std::string LocaleText(LCTYPE type)
{
    char buf[100] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
    return buf;
}

void FillNumbers(TListBox& list, int first, int count)
{
    for (int v = first; v < first + count; ++v) list.Add(std::to_string(v));
}

}  // namespace

TCronMaskForm::TCronMaskForm()
    : TForm(CronMaskParams()),
      GroupBox1(*this, {8, 4, 393, 178, "Alarm is signaled on", {}}),
      MinList(*this, {16, ListTop, 40, ListHeight}, false, true),
      MinLabel(*this, {16, UnderTop, 58, 30, "'th minute(s)", {}}),
      OfLabel(*this, {59, ConnectiveTop, 14, 13, "of", {}}),
      HourList(*this, {76, ListTop, 40, ListHeight}, false, true),
      HourLabel(*this, {76, UnderTop, 54, 30, "'th hour(s)", {}}),
      DayList(*this, {132, ListTop, 40, ListHeight}, false, true),
      DayLabel(*this, {132, UnderTop, 58, 30, "'th day of month", {}}),
      OnLabel(*this, {175, ConnectiveTop, 15, 13, "on", {}}),
      DOWList(*this, {192, ListTop, 96, ListHeight}, false, true),
      InLabel(*this, {291, ConnectiveTop, 12, 13, "in", {}}),
      MonthList(*this, {305, ListTop, 90, ListHeight}, false, true),
      MaskLabel(*this, {8, 191, 38, 13, "MASK:", {}}),
      MaskEdit(*this, {48, 188, 353, 21}),
      OkBtn(*this, {242, 213, 75, 25, "OK", {}}),
      CancelBtn(*this, {326, 213, 75, 25, "Cancel", {}})
{
    FillNumbers(MinList, 0, 60);
    FillNumbers(HourList, 0, 24);
    FillNumbers(DayList, 1, 31);
    // Sunday first, January first.
    DOWList.Add(LocaleText(LOCALE_SDAYNAME7));
    for (LCTYPE day = LOCALE_SDAYNAME1; day <= LOCALE_SDAYNAME6; ++day) DOWList.Add(LocaleText(day));
    for (LCTYPE month = LOCALE_SMONTHNAME1; month <= LOCALE_SMONTHNAME12; ++month) MonthList.Add(LocaleText(month));

    for (TListBox* list : Lists()) list->OnClick = [this](TListBox&) { MinListClick(); };
    MaskEdit.OnChange = [this](TEdit&) { MaskEditChange(); };

    OkBtn.ModalResult = mrOk;
    OkBtn.SetGlyph(IDB_GLYPH_OK);
    OkBtn.SetEnabled(false);
    CancelBtn.ModalResult = mrCancel;
    CancelBtn.SetGlyph(IDB_GLYPH_CANCEL);
    CancelButton = &CancelBtn;
}

TCronSelection TCronMaskForm::Selection()
{
    TCronSelection selection = EmptyCronSelection();
    auto lists = Lists();
    for (int f = 0; f < CronFieldCount; ++f)
        for (int p = 0; p < static_cast<int>(selection[f].size()); ++p) selection[f][p] = lists[f]->Selected(p);
    return selection;
}

void TCronMaskForm::MasksFromLists()
{
    TCronMaskText mask = ::MasksFromLists(Selection());
    selfWrite_ = true;
    MaskEdit.SetText(mask.Text);
    selfWrite_ = false;
    OkBtn.SetEnabled(mask.OkAllowed);
}

void TCronMaskForm::ListsFromMask(const std::string& text)
{
    TCronSelection selection = Selection();
    ::ListsFromMask(text, selection);
    auto lists = Lists();
    for (int f = 0; f < CronFieldCount; ++f)
        for (int p = 0; p < static_cast<int>(selection[f].size()); ++p)
            if (selection[f][p] && !lists[f]->Selected(p)) lists[f]->SetSelected(p, true);
    selfWrite_ = true;
    MaskEdit.SetText(text);
    selfWrite_ = false;
    MasksFromLists();
}

void TCronMaskForm::MinListClick()
{
    MasksFromLists();
}

void TCronMaskForm::MaskEditChange()
{
    if (selfWrite_) return;
    // The rebuilt text replaces what was typed; keep the caret where the typing goes on.
    DWORD caret = 0;
    SendMessageA(MaskEdit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    ListsFromMask(MaskEdit.Text());
    SendMessageA(MaskEdit.Handle(), EM_SETSEL, caret, caret);
}
