// Runs every registered GUI test class. Arguments after the program name
// are passed to each class (for example -v2); a first argument naming a
// class runs that class alone (ctest runs each class so), and --list prints
// the class names.
#include "GuiTestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        for (auto& entry : guitest::registry()) std::printf("%s\n", entry.first);
        return 0;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Settings the forms remember go to a test location, emptied first,
    // never to the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/ship-designer"))
        .removeRecursively();
    // So is the user's data folder, whose Custom Files every design list reads.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir(data + QStringLiteral("/shipdesigner")).removeRecursively();
    setenv("XDG_DATA_HOME", data.toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    const char* only = (argc > 1 && argv[1][0] != '-') ? argv[1] : nullptr;
    if (only && std::none_of(guitest::registry().begin(), guitest::registry().end(),
                             [&](auto& entry) { return std::strcmp(only, entry.first) == 0; })) {
        std::fprintf(stderr, "No GUI test class named %s\n", only);
        return 1;
    }
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

    int failed = 0, passed = 0;
    for (auto& [name, factory] : guitest::registry()) {
        if (only && std::strcmp(only, name) != 0) continue;
        auto test = factory();
        int rc = QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
        (rc == 0 ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
