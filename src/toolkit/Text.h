#pragma once

#include <QString>
#include <string_view>

// The rules keep their texts as UTF-8 strings; the windows show them as QStrings.
inline QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}
