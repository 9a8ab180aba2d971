#pragma once

#include <QString>

// True when the text holds nothing but spaces and control characters.
bool isBlankText(const QString& text);

// What a link label opens: its URL, or its caption when the URL is blank; a null string when
// both are blank. The chosen text is returned exactly as stored, untrimmed.
QString linkTarget(const QString& url, const QString& caption);
