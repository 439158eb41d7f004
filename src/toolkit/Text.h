#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

// The rules keep their texts as UTF-8 strings; the windows show them as QStrings.
inline QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

// A control named after a key of the rules: "lbl" and "LBread" name the label lblLBread.
inline QByteArray controlName(const char* prefix, std::string_view key) {
    return prefix + QByteArray(key.data(), qsizetype(key.size()));
}
