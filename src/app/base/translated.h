#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

// A text of one of the program's tables, kept in English and marked for translation there.
inline QString Translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}
