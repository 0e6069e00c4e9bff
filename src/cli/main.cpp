// zl6405s-cli: the programming software without windows, for scripts and dealers.
#include "cli/CliCommon.h"
#include "core/AllClass.h"
#include "core/Maindb.h"
#include <QCoreApplication>
#include <cstdio>

namespace {
struct TCommand {
  const char *Name;
  int (*Run)(QStringList);
  const char *Usage;
  const char *Help;
};

const TCommand Commands[] = {
    {"new", CmdNew, "new [--model UHF|VHF] [--band BAND] -o FILE",
     "Save a blank image for a model (default UHF) and band (default: the model's own) as a data file."},
    {"info", CmdInfo, "info FILE",
     "Show a data file: model, band, serial number, write time, the 16 channels and every function setting."},
    {"ports", CmdPorts, "ports [--set COMn=DEVICE]",
     "List the serial ports: name, present or absent, device; the selected one is marked. --set names the\n"
     "      device of a port in SysInfo.Ini (section [Ports]; an empty DEVICE leaves the port without one)."},
    {"read", CmdRead, "read [--port NAME|DEVICE] -o FILE",
     "Read the radio and save what it holds as a data file. --port takes a port name (COM1) or a device\n"
     "      path (/dev/ttyUSB0); without it, the port the desktop program would select."},
    {"write", CmdWrite, "write [--port NAME|DEVICE] [--force] FILE",
     "Write a data file into the radio. A radio of the other catalogue model is written only with --force."},
};

void PrintHelp() {
  Out(QStringLiteral("Usage: zl6405s-cli COMMAND [ARGUMENTS]\n\nProgramming software for the ZL-6405s radios, "
                     "without windows.\n\nCommands:"));
  for (const auto &c : Commands) Out(QStringLiteral("  %1\n      %2").arg(c.Usage, c.Help));
  Out(QStringLiteral("\nExit status: 0 success, 1 bad command line, 2 file not readable, not writable or refused,\n"
                     "3 serial port cannot be opened, 4 radio does not answer, 5 radio model refused,\n"
                     "6 transfer broken off. Nothing is written when a command fails."));
}
}

int Fail(int code, const QString &text) {
  std::fprintf(stderr, "zl6405s-cli: %s\n", qPrintable(text));
  return code;
}

void Out(const QString &text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
  std::fputc('\n', stdout);
}

QString TakeOption(QStringList &args, const QString &name, bool *present) {
  if (present) *present = false;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == name && i + 1 < args.size()) {
      if (present) *present = true;
      const QString v = args[i + 1];
      args.remove(i, 2);
      return v;
    }
    if (args[i].startsWith(name + '=')) {
      if (present) *present = true;
      const QString v = args[i].mid(name.size() + 1);
      args.removeAt(i);
      return v;
    }
  }
  return QString();
}

bool TakeFlag(QStringList &args, const QString &name) { return args.removeAll(name) > 0; }

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h") ||
      args.first() == QLatin1String("help")) {
    PrintHelp();
    return args.isEmpty() ? ExitUsage : ExitOk;
  }
  DataModuleCreate();
  StartWithBlankImage();
  const QString name = args.takeFirst();
  for (const auto &c : Commands)
    if (name == QLatin1String(c.Name)) return c.Run(args);
  return Fail(ExitUsage, QStringLiteral("unknown command \"%1\"; see zl6405s-cli --help").arg(name));
}
