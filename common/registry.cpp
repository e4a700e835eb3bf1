#include "registry.h"

#include <map>

namespace {
std::map<QString, WindowRegistry::Factory>& factories()
{
    static std::map<QString, WindowRegistry::Factory> all;
    return all;
}
} // namespace

bool WindowRegistry::add(const QString& form, Factory factory)
{
    factories()[form] = std::move(factory);
    return true;
}

bool WindowRegistry::contains(const QString& form) { return factories().count(form) > 0; }

CalcWindow* WindowRegistry::create(const QString& form)
{
    const auto it = factories().find(form);
    return it == factories().end() ? nullptr : it->second();
}

QStringList WindowRegistry::forms()
{
    QStringList all;
    for (const auto& entry : factories())
        all << entry.first;
    return all;
}
