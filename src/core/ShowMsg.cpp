#include "core/ShowMsg.h"
#include <cstdio>

namespace {
int DefaultHandler(const QString &caption, const QString &text, int kind, const QString &details) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
  if (!details.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(details));
  return kind == MsgQuestion ? MsgNo : MsgOk;
}
TMsgHandler &Handler() {
  static TMsgHandler h = DefaultHandler;
  return h;
}
}

int ShowMsg(const QString &caption, const QString &text, int kind, const QString &details) {
  return Handler()(caption, text, kind, details);
}

TMsgHandler SetMsgHandler(TMsgHandler handler) {
  TMsgHandler old = Handler();
  Handler() = handler ? std::move(handler) : TMsgHandler(DefaultHandler);
  return old;
}
