#include "framework/widgets/NVListView.h"

#include <algorithm>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVVScroll.h"
#include "platform/runtime/TextCodec.h"

NVListView::NVListView(int newY, int newHeight) : NVWidget(10, newY, 480, newHeight) {
  typeName = "NVListView";
  image = std::make_unique<NVImage>(480, newHeight);
  scrollBar = std::make_unique<NVVScroll>(newHeight - 2);
  editor = std::make_unique<NVTextBox>(NVString(""));
  editor->setIdlePainter(fillMain2, 0);
  editor->setFocusedPainter(fillMain2, 0);
}

NVListView::~NVListView() {
  listConnector.reset();
  scrollConnector.reset();
  editorConnector.reset();
  setImage(nullptr);
  // A list no longer displayed detaches nothing, so the children are dropped
  // from the list by hand before they go.
  for (NVWidget* child : std::initializer_list<NVWidget*>{editor.get(), scrollBar.get()}) {
    removeChild(child);
    children.remove(child);
  }
  editor.reset();
  scrollBar.reset();
}

NVString NVListView::addLineText() {
  // The source is UTF-8; the framework's text is code page 932.
  static const NVString text(nvrt::utf8ToCp932Text("[新しい項目を追加]"));
  return text;
}

void NVListView::onAttach() {
  if (scrollBar->parent != this) addChild(scrollBar.get(), true);
  if (editor->parent != this) addChild(editor.get(), false);
  if (!listConnector) connectHandlers();
  setImage(image.get());
  refreshList();
}

void NVListView::connectHandlers() {
  listConnector = std::make_unique<NVEventConnector>(this);
  listConnector->connect(NV_EV_LDOWN, [this](NVEventState e) { onPress(e); });
  listConnector->connect(NV_EV_KEYDOWN, [this](NVEventState e) { onKey(e); });
  listConnector->connect(NV_EV_BLUR, [](NVEventState) {});
  scrollConnector = std::make_unique<NVEventConnector>(scrollBar.get());
  scrollConnector->connect(NV_EV_CHANGED, [this](NVEventState) { refreshList(); });
  editorConnector = std::make_unique<NVEventConnector>(editor.get());
  editorConnector->connect(NV_EV_BLUR, [this](NVEventState) { commitEdit(); });
  editorConnector->connect(NV_EV_KEYDOWN, [this](NVEventState e) { onEditorKey(e); });
}

void NVListView::onResize(int w, int h) {
  scrollBar->setRect(w - 17, 1, 16, h - 2);
  refreshList();
}

void NVListView::onEnableChanged(bool effective) {
  scrollBar->setEnabled(effective);
  redraw(true);
}

void NVListView::addItem(NVString text) {
  items.push_back(text);
  refreshList();
}

void NVListView::removeItem(int index) {
  if (items.empty()) return;
  if (isItem(index))
    items.erase(items.begin() + index);
  else
    items.pop_back();
  // The selection is left as it is, also past the last line.
  refreshList();
}

NVString NVListView::getItem(int index) const { return isItem(index) ? items[index] : NVString(""); }

void NVListView::setItem(NVString text, int index) {
  if (isItem(index)) items[index] = text;
  refreshList();
}

NVString NVListView::getSelectedItem() const { return getItem(selected); }

void NVListView::setEditable(bool on) {
  editable = on;
  keepSelectionInRange();
  refreshList();
}

// A selection past the last line (after removals) moves onto the last line.
void NVListView::keepSelectionInRange() {
  if (selected >= rowCount()) selected = rowCount() - 1;
}
