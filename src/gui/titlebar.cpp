#include "gui/titlebar.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

namespace titlebar {

#if QT_CONFIG(xcb)

namespace {

// The Motif window manager hints: flags, functions, decorations, input
// mode, status.
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationTitle = 1u << 3;

xcb_atom_t MotifHintsAtom(xcb_connection_t* Connection) {
  static const char kName[] = "_MOTIF_WM_HINTS";
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(Connection, 0, static_cast<std::uint16_t>(std::strlen(kName)), kName);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(Connection, cookie, nullptr);
  if (!reply) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

}  // namespace

void TitleOnly(QWidget& Window) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !Window.isWindow()) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_atom_t atom = MotifHintsAtom(connection);
  if (atom == XCB_ATOM_NONE) return;
  const std::array<std::uint32_t, 5> hints = {kHintsFunctions | kHintsDecorations, kFunctionMove,
                                              kDecorationBorder | kDecorationTitle, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(Window.winId()), atom, atom, 32,
                      static_cast<std::uint32_t>(hints.size()), hints.data());
  xcb_flush(connection);
}

#else

void TitleOnly(QWidget&) {}

#endif

}  // namespace titlebar
