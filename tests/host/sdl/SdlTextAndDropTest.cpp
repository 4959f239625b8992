// Input-method text and file drops through the sdl driver.
#include <SDL.h>

#include <cstring>

#include "SdlWindowLog.h"
#include "platform/host/display/sdl/SdlSession.h"
#include "platform/host/display/sdl/SdlTranslator.h"
#include "platform/runtime/TextCodec.h"

namespace sdltest {
namespace {

std::vector<std::string> commits(const std::vector<Received>& got) {
  std::vector<std::string> out;
  for (const Received& r : got) {
    if (r.message == WM_IME_COMPOSITION) out.push_back(r.names.at(0));
  }
  return out;
}

TEST_F(SdlDummyTest, TextInputIsAnImeResultOnlyDuringAComposition) {
  SdlWindowLog w(100, 80, 200, 150, false);
  // Thirty-six bytes of UTF-8: SDL hands such a commit over in two events.
  const std::string longText = "変換された長い日本語の文字列";
  const std::string head = longText.substr(0, 27);
  const std::string tail = longText.substr(27);
  struct Case {
    const char* what;
    std::vector<SDL_Event> events;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"plain typing", {SdlWindowLog::text(SDL_TEXTINPUT, "abc")}, {}},
      {"commit while composing",
       {SdlWindowLog::text(SDL_TEXTEDITING, "かんじ"), SdlWindowLog::text(SDL_TEXTINPUT, "漢字"),
        SdlWindowLog::text(SDL_TEXTEDITING, "")},
       {"\x8a\xbf\x8e\x9a"}},
      {"commit after the composition's end",
       {SdlWindowLog::text(SDL_TEXTEDITING, "あ"), SdlWindowLog::text(SDL_TEXTEDITING, ""),
        SdlWindowLog::text(SDL_TEXTINPUT, "亜")},
       {nvrt::utf8ToCp932Text("亜")}},
      {"a split commit is one result",
       {SdlWindowLog::text(SDL_TEXTEDITING, "x"), SdlWindowLog::text(SDL_TEXTINPUT, head.c_str()),
        SdlWindowLog::text(SDL_TEXTINPUT, tail.c_str()), SdlWindowLog::text(SDL_TEXTEDITING, "")},
       {nvrt::utf8ToCp932Text(longText)}},
      {"a character code page 932 lacks",
       {SdlWindowLog::text(SDL_TEXTEDITING, "x"), SdlWindowLog::text(SDL_TEXTINPUT, "😀")},
       {nvrt::utf8ToCp932Text("😀")}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(commits(w.pushAndSettle(c.events)), c.expected) << c.what;
  }
}

TEST_F(SdlDummyTest, TheCandidateWindowFollowsTheCompositionPosition) {
  SdlWindowLog w(100, 80, 200, 150, false);
  std::string reason;
  nvhost::sdl::SdlSession* session = nvhost::sdl::SdlSession::open(reason);
  const POINT spots[] = {{33, 44}, {150, 5}};
  for (const POINT& spot : spots) {
    HIMC context = ImmGetContext(w.window());
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = spot;
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(w.window(), context);
    w.pushAndSettle({SdlWindowLog::text(SDL_TEXTEDITING, "か"), SdlWindowLog::text(SDL_TEXTEDITING, "")});
    SDL_Rect area{};
    session->call([&] { area = session->translator().candidateArea(); });
    EXPECT_EQ(area.x, spot.x);
    EXPECT_EQ(area.y, spot.y);
  }
}

TEST_F(SdlDummyTest, DroppedFilesArriveTogetherAtThePointer) {
  SdlWindowLog w(100, 80, 200, 150, true);
  const Uint32 id = w.sdlId();
  const std::vector<std::string> paths = {"/tmp/モデル/立方体.mqo", "/tmp/😀 face.mqo", "/tmp/back\\slash.mqo"};
  struct Case {
    const char* what;
    bool begin;
    bool complete;
  };
  const Case cases[] = {{"begin, files, complete", true, true}, {"files alone", false, false}};
  int x = 30;
  for (const Case& c : cases) {
    x += 10;
    std::vector<SDL_Event> events = {SdlWindowLog::motion(id, x, 40)};
    if (c.begin) events.push_back(SdlWindowLog::drop(SDL_DROPBEGIN, id));
    for (const std::string& p : paths) events.push_back(SdlWindowLog::drop(SDL_DROPFILE, id, p.c_str()));
    if (c.complete) events.push_back(SdlWindowLog::drop(SDL_DROPCOMPLETE, id));
    // Files without a complete are handed over once the driver has read
    // every queued event, which may be after later events' messages.
    SdlWindowLog::push(events);
    std::vector<Received> drops = w.waitFor(WM_DROPFILES);
    ASSERT_EQ(drops.size(), 1u) << c.what;
    ASSERT_EQ(drops[0].names.size(), paths.size()) << c.what;
    for (size_t i = 0; i < paths.size(); ++i) {
      EXPECT_EQ(drops[0].names[i], nvrt::utf8ToCp932Name(paths[i])) << c.what;
      EXPECT_EQ(nvrt::cp932NameToUtf8(drops[0].names[i]), paths[i]) << c.what;
    }
    EXPECT_EQ(drops[0].point.x, x) << c.what;
    EXPECT_EQ(drops[0].point.y, 40) << c.what;
  }
}

TEST_F(SdlDummyTest, ADropWhereNoWindowAcceptsFilesDeliversNothing) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  std::vector<Received> got =
      w.pushAndSettle({SdlWindowLog::motion(id, 50, 50), SdlWindowLog::drop(SDL_DROPBEGIN, id),
                       SdlWindowLog::drop(SDL_DROPFILE, id, "/tmp/a.mqo"), SdlWindowLog::drop(SDL_DROPCOMPLETE, id)});
  for (const Received& r : got) EXPECT_NE(r.message, WM_DROPFILES);
}

TEST_F(SdlDummyTest, AnEmptyDropDeliversNothing) {
  SdlWindowLog w(100, 80, 200, 150, true);
  const Uint32 id = w.sdlId();
  std::vector<Received> got =
      w.pushAndSettle({SdlWindowLog::drop(SDL_DROPBEGIN, id), SdlWindowLog::drop(SDL_DROPCOMPLETE, id)});
  for (const Received& r : got) EXPECT_NE(r.message, WM_DROPFILES);
}

std::string desktopClipboard() {
  std::string reason;
  std::string text;
  nvhost::sdl::SdlSession::open(reason)->call([&] {
    char* t = SDL_GetClipboardText();
    text = t != nullptr ? t : "";
    SDL_free(t);
  });
  return text;
}

std::string programClipboard() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE block = GetClipboardData(CF_TEXT);
  if (block != nullptr) {
    text = static_cast<const char*>(GlobalLock(block));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

TEST_F(SdlDummyTest, ClipboardTextCrossesBothWays) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const std::string cp932 = nvrt::utf8ToCp932Text("切り取り～テキスト");
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, cp932.size() + 1);
  std::memcpy(GlobalLock(block), cp932.c_str(), cp932.size() + 1);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(w.window()));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  EXPECT_TRUE(SdlWindowLog::pumpUntil([] { return desktopClipboard() == "切り取り～テキスト"; }));

  std::string reason;
  nvhost::sdl::SdlSession::open(reason)->call([] { SDL_SetClipboardText("別のプログラムの文字"); });
  SDL_Event update{};
  update.type = SDL_CLIPBOARDUPDATE;
  SdlWindowLog::push({update});
  EXPECT_TRUE(
      SdlWindowLog::pumpUntil([] { return programClipboard() == nvrt::utf8ToCp932Text("別のプログラムの文字"); }));
}

}  // namespace
}  // namespace sdltest
