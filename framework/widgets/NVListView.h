// A scrollable list of text lines drawn into one image, with a selected line,
// keyboard navigation and, when editable, deleting, reordering and in-place
// editing through a text box. An editable list shows an extra last line that
// adds a new item when text is entered on it.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVWidget.h"

class NVEventConnector;
class NVStringStyle;
class NVTextBox;
class NVVScroll;

class NVListView : public NVWidget {
 public:
  // Every line is this many pixels high.
  static constexpr int kLineHeight = 18;

  // At (10, y), 480 wide.
  NVListView(int y, int height);
  ~NVListView() override;
  NVListView(const NVListView&) = delete;
  NVListView& operator=(const NVListView&) = delete;

  void onAttach() override;
  void onResize(int width, int height) override;
  void onEnableChanged(bool effective) override;

  void addItem(NVString text);
  // Removes the item at index, or the last one when index is out of range.
  void removeItem(int index);
  // A copy of the item, or "" when index is out of range.
  NVString getItem(int index) const;
  // Replaces the item when index is in range; redraws in any case.
  void setItem(NVString text, int index);
  NVString getSelectedItem() const;
  int getItemCount() const { return static_cast<int>(items.size()); }
  void setEditable(bool on);
  // Sets the scroll range and draws the visible lines into the image.
  void refreshList();

  void onPress(NVEventState event);
  void onKey(NVEventState event);
  void onEditorKey(NVEventState event);
  // Shows the editor over a line (an item or the add line).
  void openEditor(int line);
  // Writes the editor's text into the selected item, or appends it when the
  // add line is selected, and hides the editor.
  void commitEdit();
  void leaveEditorFor(int line);

  // The text of the extra line of an editable list.
  static NVString addLineText();

  std::unique_ptr<NVImage> image;
  std::unique_ptr<NVVScroll> scrollBar;
  std::unique_ptr<NVTextBox> editor;
  std::vector<NVString> items;
  std::unique_ptr<NVEventConnector> listConnector;
  std::unique_ptr<NVEventConnector> scrollConnector;
  std::unique_ptr<NVEventConnector> editorConnector;
  int selected = -1;
  bool editable = false;
  // The editor is open over the selected line and holds text not yet written.
  bool editing = false;

 private:
  bool isItem(int line) const { return line >= 0 && line < getItemCount(); }
  bool isAddLine(int line) const { return editable && line == getItemCount(); }
  int rowCount() const { return getItemCount() + (editable ? 1 : 0); }
  void keepSelectionInRange();
  void connectHandlers();
  bool controlHeld() const;
  void moveSelectionUp(bool reorder);
  void moveSelectionDown(bool reorder);
  void drawBand(int top);
  void drawOutline();
  NVStringStyle* addLineStyle();

  std::unique_ptr<NVStringStyle> addLineStyle_;
};
