// The window's menu bar: one selector per column title on the bar under the
// title bar, and one drop-down stage that shows the entries of the column
// whose title was pressed. Choosing an entry queues NV_EV_COMMAND on the
// window with the entry's command identifier when the drop-down loses the
// focus.
#include <algorithm>
#include <mutex>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVSelector.h"
#include "framework/widgets/NVSelectorGroup.h"
#include "framework/widgets/NVVisualDesigner.h"
#include "framework/window/NVExWindow.h"

namespace {

constexpr int kTitleX = 5, kTitleY = 1, kTitlePadding = 12, kTitleHeight = 15;
constexpr int kEntryX = 2, kEntryY = 2, kEntryHeight = 20, kEntryPadding = 10;
constexpr int kDropDownExtraWidth = 5, kDropDownExtraHeight = 4;

void takeOff(NVSelector* selector) {
  selector->onDetach();
  if (NV2DItem* host = selector->item2D()) host->detach();
}

}  // namespace

void NVExWindow::tearDownMenu() {
  if (dropDown.stage && dropDown.stage->created) dropDown.stage->hide();
  for (std::size_t i = 0; i < menuTitles.size(); ++i) {
    takeOff(menuTitles[i]);
    menuTitleConnectors[i].reset();
    delete menuTitles[i];
  }
  for (NVSelector* entry : menuEntries) {
    takeOff(entry);
    delete entry;
  }
  columnGroups.clear();
  menuGroup->select(nullptr);
  menuTitles.clear();
  menuTitleConnectors.clear();
  menuEntries.clear();
  commandIds.clear();
  entryCounts.clear();
  dropDownSizes.clear();
  openColumn = -1;
}

void NVExWindow::setWindowMenu(NVWindowMenu menu) {
  tearDownMenu();
  if (menu.columns.empty()) return;
  int titleX = kTitleX;
  for (const NVWindowMenuColumn& column : menu.columns) addMenuColumn(column, titleX);
  layout(width, frameStage->x, frameStage->y, height);
}

void NVExWindow::addMenuColumn(const NVWindowMenuColumn& column, int& titleX) {
  const NVStringStyle style;
  const int titleWidth = style.measure(column.title).cx;
  auto* title =
      new NVSelector(menuGroup.get(), titleX, kTitleY, titleWidth + kTitlePadding, kTitleHeight, column.title);
  NV2DItem* titleHost = title->item2D();
  if (!titleHost->parent) NV2DItemBase::addChild(menuBar.item, titleHost, true);
  title->onAttach();
  title->show();
  title->setTextOffset(kTitlePadding / 2, 0);
  titleX += titleWidth + kTitlePadding;
  menuTitles.push_back(title);
  auto connector = std::make_unique<NVEventConnector>(title);
  connector->connect(NV_EV_FOCUS, [this](NVEventState e) { openDropDown(e); });
  menuTitleConnectors.push_back(std::move(connector));

  int widest = 0;
  for (const NVString& entry : column.entries) widest = std::max(widest, static_cast<int>(style.measure(entry).cx));
  const int count = static_cast<int>(column.entries.size());
  entryCounts.push_back(count);
  dropDownSizes.push_back({widest + kEntryPadding, kEntryHeight * count});
  columnGroups.push_back(std::make_unique<NVSelectorGroup>());
  NVSelectorGroup* group = columnGroups.back().get();
  for (int k = 0; k < count; ++k) {
    const NVString& text = column.entries[k];
    auto* entry =
        new NVSelector(group, kEntryX, kEntryY + kEntryHeight * k, widest + kEntryPadding, kEntryHeight, text);
    NV2DItem* host = entry->item2D();
    NV2DItemBase::addChild(dropDown.item, host, true);
    if (host->parent == dropDown.item) entry->onAttach();
    entry->show();
    menuEntries.push_back(entry);
    commandIds.push_back(column.commandFor(text));
  }
}

int NVExWindow::chosenColumn() const {
  if (!menuGroup->current) return -1;
  const NVString chosen = menuGroup->getSelectedText();
  for (std::size_t i = 0; i < menuTitles.size(); ++i)
    if (menuTitles[i]->getText() == chosen) return static_cast<int>(i);
  return -1;
}

bool NVExWindow::titleHasFocus() const {
  if (!engine) return false;
  std::lock_guard lock(engineLock);
  NVWidget* focus = engine->currentInput.focusWidget;
  return std::find(menuTitles.begin(), menuTitles.end(), focus) != menuTitles.end();
}

void NVExWindow::openDropDown(NVEventState event) {
  const int column = chosenColumn();
  if (column < 0 || entryCounts[column] == 0) {
    menuGroup->select(nullptr);
    dropDown.stage->hide();
    openColumn = -1;
    return;
  }
  int first = 0;
  for (int i = 0; i < column; ++i) first += entryCounts[i];
  for (int i = 0; i < static_cast<int>(menuEntries.size()); ++i) {
    if (i >= first && i < first + entryCounts[column])
      menuEntries[i]->show();
    else
      menuEntries[i]->hide();
  }
  columnGroups[column]->select(nullptr);
  const SIZE size = dropDownSizes[column];
  const int barHeight = event.stage ? static_cast<int>(event.stage->height) : menuBarHeight();
  dropDown.stage->setRect(static_cast<int>(event.screenX - event.localX),
                          static_cast<int>(event.screenY - event.localY) + barHeight, size.cx + kDropDownExtraWidth,
                          size.cy + kDropDownExtraHeight);
  const int w = dropDown.stage->width, h = dropDown.stage->height;
  dropDown.item->setRect(0, 0, w, h);
  dropDown.designer->paint(dropDown.image.get(), w, h);
  dropDown.item->setImage(dropDown.image.get());
  dropDown.item->invalidate(true);
  openColumn = column;
  dropDown.stage->show();
  dropDown.stage->setFocus();
}

void NVExWindow::closeDropDown(NVEventState) {
  if (!engine) return;
  // The entries shown are those of the column that was opened; a title
  // pressed meanwhile has already become the bar's choice.
  const int column = openColumn >= 0 ? openColumn : chosenColumn();
  openColumn = -1;
  if (column >= 0) {
    NVSelectorGroup* group = columnGroups[column].get();
    int first = 0;
    for (int i = 0; i < column; ++i) first += entryCounts[i];
    if (group->current) {
      const NVString chosen = group->getSelectedText();
      for (int i = first; i < first + entryCounts[column]; ++i) {
        if (!(menuEntries[i]->getText() == chosen)) continue;
        NVEventState command;
        command.kind = NV_EV_COMMAND;
        command.stage = this;
        command.value = commandIds[i];
        engine->pushEvent(command);
        break;
      }
      // Sent once: the next opening starts without a choice.
      group->select(nullptr);
    }
    if (titleHasFocus()) {
      dropDown.stage->hide();
      return;
    }
  }
  menuGroup->select(nullptr);
  dropDown.stage->hide();
}

void NVExWindow::hideMenuAndSizeButtons() {
  menuBarHidden = true;
  minimizeButton->hide();
  maximizeButton->hide();
  layout(width, frameStage->x, frameStage->y, height);
}
