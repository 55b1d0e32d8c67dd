// Reading what a browser sent: text that must be UTF-8, and the fields of a urlencoded form.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

#include "board/http.h"

namespace quillmere::board {

using Form = std::map<QByteArray, QByteArray>;

std::optional<QString> Utf8(const QByteArray& bytes);
// The fields of a urlencoded form; none when the body is not one.
std::optional<Form> ParseForm(const Request& request);
QByteArray Field(const Form& form, const char* name);

}  // namespace quillmere::board
