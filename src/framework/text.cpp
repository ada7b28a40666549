#include "text.h"

#include <QCoreApplication>
#include <vector>

namespace markwise {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

QString translated(const Message& message) {
    if (message.id == MessageId::Text)
        return toQString(message.text);
    // The core fills the template, so an argument's own "%1" is never taken for a place.
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& arg : message.args)
        args.push_back(fromQString(translated(arg)));
    const std::string english(EnglishTemplate(message.id));
    return toQString(FillTemplate(
        fromQString(QCoreApplication::translate("CoreMessage", english.c_str())), args));
}

} // namespace markwise
