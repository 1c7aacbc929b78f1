#include "settings_readers.h"

namespace pecunor {

std::optional<std::int32_t> toInt32(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::int32_t readIntOr(const QSettings& store, QAnyStringView name, std::int32_t fallback)
{
    return toInt32(store.value(name).toString()).value_or(fallback);
}

bool readBoolOr(const QSettings& store, QAnyStringView name, bool fallback)
{
    if (const auto value = toInt32(store.value(name).toString()))
        return *value != 0;
    return fallback;
}

QString readTextOr(const QSettings& store, QAnyStringView name, const QString& fallback)
{
    // A list or a typed "@..." value is not a text.
    const QVariant value = store.value(name);
    if (value.typeId() != QMetaType::QString)
        return fallback;
    QString text = value.toString();
    return text.isEmpty() ? fallback : text;
}

}  // namespace pecunor
