#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace kalvora::app {

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Assesses the thermal environment of a workplace with six methods: PMV/PPD (ISO 7730), "
        "the heat stress index, WBGT (ISO 7243), the required sweat rate (ISO 7933), the wind "
        "chill index and the required clothing insulation IREQ (ISO 11079). The language, "
        "Spanish or English, is chosen on the start screen; a survey file given opens once the "
        "input form is shown. For evaluations from scripts, see kalvora-cli."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("survey"),
        QStringLiteral("A survey file (.kalvora) to open."), QStringLiteral("[survey]"));
}

} // namespace

void describeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("kalvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kalvora"));
    // Lets the window system match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KALVORA_APP_ID));
}

bool asksOnlyForText(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    // Unknown options are reported later, by processCommandLine, once Qt has taken its own.
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(QStringLiteral("version"));
}

QString processCommandLine(const QCoreApplication &application)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: one survey file at most; %lld were given.\n",
            qPrintable(QCoreApplication::applicationName()), static_cast<long long>(files.size()));
        std::exit(1);
    }
    return files.value(0);
}

} // namespace kalvora::app
