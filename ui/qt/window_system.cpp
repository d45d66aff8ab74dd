#include "ui/qt/window_system.h"

#include <QByteArray>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace ui {
namespace {

// A window system plugin the toolkit tries, and the display it would open.
struct PlatformAttempt {
    std::string name;    // "xcb", "wayland", "offscreen", ...
    std::string display; // the display it opens; empty where it opens none or none is set
};

bool has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The value after the last -platform (or --platform) argument, where the toolkit reads it; -1
// when there is none.
int platformArgumentIndex(int argc, char* argv[]) {
    int index = -1;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            index = i + 1;
        }
    }
    return index;
}

std::string displayArgument(int argc, char* argv[]) {
    std::string display;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-display" || argument == "--display") {
            display = argv[i + 1];
        }
    }
    return display;
}

// The window systems of the session, in the order the toolkit prefers them.
std::vector<std::string> sessionPlatforms() {
#if defined(Q_OS_WIN)
    return {"windows"};
#elif defined(Q_OS_MACOS)
    return {"cocoa"};
#else
    std::vector<std::string> platforms;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland") {
        platforms.emplace_back("wayland");
    }
    platforms.emplace_back("xcb");
    return platforms;
#endif
}

std::vector<PlatformAttempt> attemptsFor(const QString& list, int argc, char* argv[]) {
    std::vector<PlatformAttempt> attempts;
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const std::string name = entry.section(QLatin1Char(':'), 0, 0).toLower().toStdString();
        std::string display;
        if (name == "xcb") {
            display = displayArgument(argc, argv);
            if (display.empty()) {
                display = qEnvironmentVariable("DISPLAY").toStdString();
            }
        } else if (name.starts_with("wayland")) {
            display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")).toStdString();
        }
        attempts.push_back({name, display});
    }
    return attempts;
}

bool isPlatformPlugin(const QJsonObject& metaData) {
    return metaData.value(QStringLiteral("IID")).toString().contains(QStringLiteral("QPlatformIntegrationFactory"));
}

void addKeys(const QJsonObject& metaData, std::vector<std::string>& keys) {
    if (!isPlatformPlugin(metaData)) {
        return;
    }
    const QJsonArray names =
        metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
    for (const auto& name : names) {
        const std::string key = name.toString().toLower().toStdString();
        if (!has(keys, key)) {
            keys.push_back(key);
        }
    }
}

// Where the toolkit looks for window system plugins, in its order.
QStringList platformFolders() {
    QStringList folders;
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH")) {
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        folders << path + QStringLiteral("/platforms");
    }
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    return folders;
}

// Whether the plugin file named after a key (libqxcb.so for "xcb") is there and offers it: the
// usual case, found without reading every plugin's description at each start.
bool namesakeInstalled(const std::string& key) {
    for (const QString& folder : platformFolders()) {
        std::vector<std::string> keys;
        addKeys(QPluginLoader(folder + QStringLiteral("/q") + QString::fromStdString(key)).metaData(), keys);
        if (has(keys, key)) {
            return true;
        }
    }
    return false;
}

// The keys of the platform plugins installed where the toolkit looks for them ("xcb", ...).
std::vector<std::string> installedPlatforms() {
    std::vector<std::string> keys;
    for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins()) {
        addKeys(plugin.metaData(), keys);
    }
    for (const QString& folder : platformFolders()) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            addKeys(QPluginLoader(dir.filePath(file)).metaData(), keys);
        }
    }
    return keys;
}

// The named window systems, with the session's after them where one of them is not installed
// here; as they are where all are.
QString withSessionFallbacks(const QString& named, const std::vector<PlatformAttempt>& attempts) {
    const auto allInstalled = [&attempts](const auto& isInstalled) {
        return std::all_of(attempts.begin(), attempts.end(),
                           [&](const PlatformAttempt& attempt) { return isInstalled(attempt.name); });
    };
    // Every plugin's description is read only when a namesake file does not tell.
    if (allInstalled(namesakeInstalled)) {
        return named;
    }
    const std::vector<std::string> installed = installedPlatforms();
    if (allInstalled([&installed](const std::string& name) { return has(installed, name); })) {
        return named;
    }
    QString amended = named;
    for (const std::string& fallback : sessionPlatforms()) {
        const bool tried =
            std::any_of(attempts.begin(), attempts.end(), [&](const PlatformAttempt& a) { return a.name == fallback; });
        const bool opensDisplay = fallback != "xcb" || !qEnvironmentVariableIsEmpty("DISPLAY");
        if (!tried && opensDisplay && has(installed, fallback)) {
            amended += QLatin1Char(';') + QString::fromStdString(fallback);
        }
    }
    return amended;
}

// How to run the program where no display can be used; ends both of its lines about that.
std::string headlessHint(std::string_view program) {
    std::string hint = "; to run it without a screen: xvfb-run ";
    hint += program;
    return hint;
}

// The one line printed when none of the attempts could open a window.
std::string unusableDisplayMessage(std::string_view program, const std::vector<PlatformAttempt>& attempts,
                                   const std::vector<std::string>& installed) {
    std::string message(program);
    message += ": cannot open the window: tried";
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        const PlatformAttempt& attempt = attempts[i];
        message += i == 0 ? " \"" : ", \"";
        message += attempt.name + "\"";
        if (!has(installed, attempt.name)) {
            message += " (not installed)";
        } else if (!attempt.display.empty()) {
            message += " on display \"" + attempt.display + "\"";
        } else if (attempt.name == "xcb") {
            message += " (DISPLAY is not set)";
        }
    }
    return message + headlessHint(program);
}

// The toolkit's messages while it opens the window system, held back until it is known whether
// the program starts at all. Messages may come from the toolkit's own threads too.
struct Watch {
    std::mutex lock;
    std::string program;
    std::vector<PlatformAttempt> attempts;
    QtMessageHandler previous = nullptr; // the toolkit's default one where none was installed
    struct Held {
        QtMsgType type;
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString text;
    };
    std::vector<Held> held;
};

Watch& watch() {
    static Watch instance;
    return instance;
}

void watchingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    Watch& w = watch();
    if (type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
        const std::string line = unusableDisplayMessage(w.program, w.attempts, installedPlatforms()) + '\n';
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        // The toolkit is half set up: end here, without its abort and without running the
        // destructors of a half-made application object.
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        w.previous(type, context, text);
        return;
    }
    const std::lock_guard guard(w.lock);
    w.held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

bool lacksDisplay(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    return platformArgumentIndex(argc, argv) < 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

std::string noDisplayMessage(std::string_view program) {
    std::string message(program);
    message += ": no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return message + headlessHint(program);
}

WindowSystemGuard::WindowSystemGuard(int argc, char* argv[], std::string_view program) {
    Watch& w = watch();
    w.program = std::string(program);
    // Chosen the toolkit's way: the -platform argument, else QT_QPA_PLATFORM, else the session's.
    const int argument = platformArgumentIndex(argc, argv);
    if (argument < 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QStringList session;
        for (const std::string& name : sessionPlatforms()) {
            session << QString::fromStdString(name);
        }
        w.attempts = attemptsFor(session.join(QLatin1Char(';')), argc, argv);
    } else {
        // A plugin named by the user but missing here: the session's window systems after it.
        const QString named =
            argument >= 0 ? QString::fromLocal8Bit(argv[argument]) : qEnvironmentVariable("QT_QPA_PLATFORM");
        w.attempts = attemptsFor(named, argc, argv);
        const QString amended = withSessionFallbacks(named, w.attempts);
        if (amended != named) {
            w.attempts = attemptsFor(amended, argc, argv);
            if (argument >= 0) {
                m_platformArgument = amended.toLocal8Bit().toStdString();
                argv[argument] = m_platformArgument.data();
            } else {
                qputenv("QT_QPA_PLATFORM", amended.toLocal8Bit());
            }
        }
    }
    w.previous = qInstallMessageHandler(watchingHandler);
}

WindowSystemGuard::~WindowSystemGuard() {
    opened();
}

void WindowSystemGuard::opened() {
    if (!m_watching) {
        return;
    }
    m_watching = false;
    Watch& w = watch();
    qInstallMessageHandler(w.previous);
    std::vector<Watch::Held> held;
    {
        const std::lock_guard guard(w.lock);
        held.swap(w.held);
    }
    for (const Watch::Held& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace ui
