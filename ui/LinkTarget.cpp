#include "LinkTarget.h"

#include <algorithm>

bool isBlankText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}

QString linkTarget(const QString& url, const QString& caption)
{
    if (!isBlankText(url))
        return url;
    if (!isBlankText(caption))
        return caption;
    return {};
}
