// What the Qt file writers of the report and the plot share: the temporary-and-rename writer,
// the start of a painting, and the landscape sheet of a PDF.
#pragma once

#include "report/renderers.h"

#include <QPageLayout>

#include <filesystem>
#include <functional>
#include <string_view>

class QIODevice;
class QPaintDevice;
class QPainter;

namespace velmora {

// Renders through `render` into a temporary file beside the target; the target is replaced
// only when everything was written. Starts the application first. Throws RenderError naming
// the `document` when the file cannot be opened, written or committed.
void writeAtomically(const std::filesystem::path& path,
                     const std::function<void(QIODevice&)>& render,
                     std::string_view document = "report");

// Throws RenderError when the painter cannot start on the device.
void beginPainting(QPainter& painter, QPaintDevice& device, const std::filesystem::path& path,
                   std::string_view document = "report");

// A landscape sheet of the paper size with a half-inch margin on every side.
QPageLayout landscapeSheetLayout(PaperSize paper);

} // namespace velmora
