#include "publishing/windows/offer_buttons.h"

#include <algorithm>

#include "platform/twips.h"

namespace koratsu {

namespace {

constexpr int kWidth = 1650;  // twips: "アニメ化しない" and its margins
constexpr int kGap = 120;

}  // namespace

QPushButton* AddOfferButton(QPushButton* own, const char* name, bool ownAccepts) {
  auto* second = new QPushButton(own->parentWidget());
  second->setObjectName(QString::fromUtf8(name));
  const QRect at = own->geometry();
  const int width = std::max(at.width(), platform::Px(kWidth));
  QPushButton* accept = ownAccepts ? own : second;
  QPushButton* decline = ownAccepts ? second : own;
  decline->setGeometry(at.right() + 1 - width, at.y(), width, at.height());
  accept->setGeometry(decline->x() - platform::Px(kGap) - width, at.y(), width, at.height());
  decline->setDefault(false);
  accept->setDefault(true);
  // Tab goes from the left button to the right one.
  QWidget::setTabOrder(accept, decline);
  return second;
}

}  // namespace koratsu
