#include "life/equipment.h"

#include "roomview/furnish.h"
#include "roomview/sheet_layout.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kEquipmentRows = 5;
constexpr int kComputer = 2;
constexpr int kScanner = 3;
constexpr int kPrinter = 4;

}  // namespace

void SelectEquipment(const Value& row) { State().DouguSelected = row; }

bool BuyEquipment() {
  GameState& g = State();
  const long long s = g.DouguSelected.Index();
  if (s < 0 || s >= kEquipmentRows) return false;
  rec::Equipment& item = g.Equipment[s];
  if (g.Kingaku - item.Price < 0) {
    ui::ShowMessage("お金が足りません。");
    return false;
  }
  if ((s == kScanner || s == kPrinter) && g.Equipment[kComputer].Owned == 0) {
    ui::ShowMessage(Join(item.Name, "を使用するにはパソコンが必要です。"));
    return false;
  }
  if (item.Owned == 1) {
    ui::ShowMessage(Join(item.Name, "は、すでに購入しています。"));
    return false;
  }
  if (ui::AskYesNo(Join(item.Name, "を購入しますか？")) != yes_no::kYes) return false;

  item.Owned = 1;
  PlaceEquipment(static_cast<int>(s), g.HouseKind);
  AddKingaku(-item.Price);
  g.SigotoPoint += item.Point;
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  g.ResumeRequest = 1;
  return true;
}

void PlaceEquipment(int row, const Value& house) {
  if (row < 0 || row >= kEquipmentRows) return;
  int dwelling = -1;
  for (int h = 0; h < 2; ++h)
    if (house == h) dwelling = h;
  if (dwelling < 0) return;
  const int first = sheet::kEquipmentFirstPicture[row];
  for (int k = 0; k < sheet::kEquipmentPictureCount[row]; ++k) AddRoomItem(sheet::kEquipment[dwelling][first + k]);
}

}  // namespace koratsu
