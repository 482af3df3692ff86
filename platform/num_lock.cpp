#include "platform/num_lock.h"

#include <xcb/xcb.h>
// The keyboard extension's C header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace anglewise {
namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11Connection() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::optional<bool> x11NumLock() {
  xcb_connection_t* c = x11Connection();
  if (!c) return std::nullopt;
  Reply<xcb_xkb_use_extension_reply_t> xkb(
      xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, 1, 0), nullptr));
  if (!xkb || !xkb->supported) return std::nullopt;
  const char kName[] = "Num Lock";
  Reply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(kName), kName), nullptr));
  if (!atom || atom->atom == XCB_ATOM_NONE) return std::nullopt;
  Reply<xcb_xkb_get_named_indicator_reply_t> indicator(xcb_xkb_get_named_indicator_reply(
      c,
      xcb_xkb_get_named_indicator(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                  XCB_XKB_ID_DFLT_XI_ID, atom->atom),
      nullptr));
  if (!indicator || !indicator->found) return std::nullopt;
  return indicator->on != 0;
}

std::optional<bool> kernelNumLock() {
  QDir leds("/sys/class/leds");
  std::optional<bool> on;
  for (const QString& name : leds.entryList({"*numlock*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile brightness(leds.filePath(name + "/brightness"));
    if (!brightness.open(QIODevice::ReadOnly)) continue;
    on = on.value_or(false) || brightness.readAll().trimmed() != "0";
  }
  return on;
}

bool numLockOn() {
  if (std::optional<bool> x11 = x11NumLock()) return *x11;
  return kernelNumLock().value_or(false);
}

}  // namespace anglewise
