#include "framework/window/NVCreditView.h"

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVCreditBackground.h"
#include "framework/widgets/NVLibraryCredits.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVTheme.h"
#include "framework/widgets/NVTransParentLabel.h"
#include "framework/window/NVExWindow.h"
#include "platform/runtime/TextCodec.h"

namespace {

constexpr int kWidth = 500, kHeight = 400;
constexpr int kLabelX = 10, kLabelWidth = 480;

NVString cp932(const char* utf8) { return NVString(nvrt::utf8ToCp932Text(utf8)); }

bool isVista() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
}

void styleText(NVStringStyle& style, int height, bool bold) {
  style.setHeight(height);
  style.setBold(bold);
  const std::uint32_t colour = getThemeColor(NVString("text"));
  style.setColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

template <typename T>
void deleteAndClear(T*& object) {
  delete object;
  object = nullptr;
}

}  // namespace

NVCreditView& NVCreditView::instance() {
  static NVCreditView view;
  return view;
}

NVCreditView::~NVCreditView() { close(); }

void NVCreditView::open() {
  openWindow();
  openBackground();
  openLabels();
  openLists();
  if (!okButton) {
    okButton = new NVPushButton(390, 370, 100, 20, NVString("OK"));
    place(okButton);
    okButton->setAlpha(220);
  }
  if (!windowConnector) {
    windowConnector = new NVEventConnector(window);
    windowConnector->connect(NV_EV_CLOSE, [this](NVEventState e) { onCreditClose(e); });
  }
  if (!okConnector) {
    okConnector = new NVEventConnector(okButton);
    okConnector->connect(NV_EV_LDOWN, [this](NVEventState e) { onCreditClose(e); });
  }
  window->show();
}

void NVCreditView::openWindow() {
  if (window) return;
  RECT work = {0, 0, 1024, 768};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = (work.right - work.left) / 2 - kWidth / 2, y = (work.bottom - work.top) / 2 - kHeight / 2;
  window = new NVExWindow(x, y, kWidth, kHeight, cp932("クレジット情報"));
  window->attach(false, nullptr, modalEngine.get());
  window->hideMenuAndSizeButtons();
}

void NVCreditView::openBackground() {
  if (!stage) {
    stage = new NV2DStage(kWidth, kHeight, NVString("2DStage"));
    window->addChild(stage, true);
  }
  if (!scene) {
    scene = new NV2DScene();
    stage->bindScene(scene);
  }
  if (!backgroundImage) {
    backgroundImage = new NVImage(kWidth, kHeight);
    paintCreditBackground(backgroundImage);
  }
  if (!backgroundItem) {
    backgroundItem = new NV2DItem(0, 0, 0, kWidth, kHeight);
    backgroundItem->setImage(backgroundImage);
    scene->addRoot(backgroundItem);
  }
}

void NVCreditView::place(NVWidget* widget) {
  NV2DItemBase::addChild(backgroundItem, widget->item2D(), true);
  widget->onAttach();
  widget->show();
}

void NVCreditView::openLabels() {
  const bool vista = isVista();
  styleText(nameStyle, vista ? 32 : 23, true);
  styleText(versionStyle, vista ? 20 : 16, false);
  styleText(rightsStyle, vista ? 19 : 14, false);
  struct LabelPlan {
    NVTransParentLabel*& label;
    int y, height;
    NVString text;
    NVStringStyle* style;
  };
  const LabelPlan plans[] = {
      {nameLabel, 20, 35, getApplicationName(), &nameStyle},
      {versionLabel, 55, 20, NVString("version : ") + getApplicationVersion(), &versionStyle},
      {rightsLabel, 85, 40, getApplicationRights(), &rightsStyle},
      {creditHeading, 130, 16, cp932("クレジット"), nullptr},
      {libraryHeading, 246, 16, cp932("本プログラムでは,以下の著作物を利用しています."), nullptr},
  };
  for (const LabelPlan& plan : plans) {
    if (plan.label) continue;
    plan.label = new NVTransParentLabel(kLabelX, plan.y, kLabelWidth, plan.height, plan.text);
    if (plan.style) plan.label->setTextStyle(plan.style);
    place(plan.label);
  }
}

void NVCreditView::openLists() {
  if (!creditList) {
    creditList = new NVListView(146, 90);
    for (const NVString& line : getCreditLines()) creditList->addItem(line);
    place(creditList);
    creditList->setAlpha(200);
  }
  if (!libraryList) {
    libraryList = new NVListView(262, 98);
    for (const NVString& line : libraryCreditLines()) libraryList->addItem(line);
    place(libraryList);
  }
}

void NVCreditView::close() {
  deleteAndClear(okConnector);
  deleteAndClear(windowConnector);
  deleteAndClear(okButton);
  deleteAndClear(libraryList);
  deleteAndClear(libraryHeading);
  deleteAndClear(creditList);
  deleteAndClear(creditHeading);
  deleteAndClear(rightsLabel);
  deleteAndClear(versionLabel);
  deleteAndClear(nameLabel);
  if (scene && backgroundItem) scene->removeRoot(backgroundItem);
  deleteAndClear(backgroundItem);
  deleteAndClear(backgroundImage);
  deleteAndClear(scene);
  if (window && stage) window->removeChild(stage);
  deleteAndClear(stage);
  deleteAndClear(window);
}

void NVCreditView::onCreditClose(NVEventState) {
  // The owner takes input again before the view's windows go, so that a
  // click made as soon as the view is off the screen is not dropped by a
  // window still disabled while the view's engine winds down.
  if (owner) owner->setEnabled(true);
  close();
  if (modalEngine) modalEngine->quit();
}

void openCreditView(NVStageBase* frame) {
  NVCreditView& view = NVCreditView::instance();
  if (view.modalEngine) return;
  if (frame) frame->setEnabled(false);
  view.owner = frame;
  view.modalEngine = std::make_unique<NVEngine>();
  view.run();
  // A loop that ended without the view closing (its engine stopped) still
  // leaves nothing behind.
  view.close();
  view.modalEngine.reset();
  view.owner = nullptr;
  if (frame) frame->setEnabled(true);
}
