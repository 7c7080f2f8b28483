#pragma once
// Every GUI test class registers itself here; one executable runs them all
// under the offscreen platform. Register with SHIP_GUI_TEST(ClassName).
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace guitest {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char*, Factory>>& registry() {
    static std::vector<std::pair<const char*, Factory>> r;
    return r;
}

struct Registrar {
    Registrar(const char* name, Factory f) { registry().emplace_back(name, std::move(f)); }
};

} // namespace guitest

#define SHIP_GUI_TEST(Class)                                                                                           \
    static guitest::Registrar registrar_##Class(#Class, [] { return std::unique_ptr<QObject>(new Class); });
