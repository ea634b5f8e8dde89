// SPDX-License-Identifier: MIT
#include "configtree.h"

namespace kestrin::import {

namespace {

void collectTexts(const ConfigValue &value, QStringList &out)
{
    if (value.kind != ConfigValue::Array) {
        out.append(value.text);
        return;
    }
    for (const ConfigValue &item : value.items)
        collectTexts(item, out);
}

} // namespace

QStringList ConfigValue::texts() const
{
    QStringList out;
    collectTexts(*this, out);
    return out;
}

const ConfigClass *ConfigClass::findClass(QStringView wanted) const
{
    for (const ConfigClass &c : classes)
        if (!c.declarationOnly && c.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ConfigEntry *ConfigClass::findValue(QStringView wanted) const
{
    for (const ConfigEntry &e : values)
        if (e.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const ConfigClass *ConfigClass::findPath(std::initializer_list<QStringView> names) const
{
    const ConfigClass *at = this;
    for (QStringView name : names) {
        at = at->findClass(name);
        if (!at)
            return nullptr;
    }
    return at;
}

} // namespace kestrin::import
