#pragma once
// A design's ship sheet as plain text (aligned columns), Markdown and HTML.
// All three hold the same: class, nation and type, the description line, the
// tables of the summary and the design check's findings.
#include <string>

#include "sheets/DesignSummary.h"

enum class SheetFormat { Text, Markdown, Html };

std::string RenderSheet(const DesignSummary& summary, SheetFormat format);

// The sheet's HTML without the document around it, for a page that adds
// pictures of its own (the PDF).
std::string RenderSheetHtmlBody(const DesignSummary& summary);

// The "Nation · Type name (code)" line under the class name.
std::string SheetSubtitle(const DesignSummary& summary);

// Text escaped for HTML.
std::string EscapeHtml(const std::string& text);
