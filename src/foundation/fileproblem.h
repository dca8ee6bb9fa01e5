#pragma once

#include <QString>

namespace tirta {

/// Why a file could not be read, as an Indonesian sentence that also says what to do. The system's
/// own error texts are English; this looks at the file and its folder instead.
QString readProblem(const QString& path);

/// Why a file could not be written (saved) at `path`, as an Indonesian sentence that also says what
/// to do. `reason` is what the writer met (the whole-file writer's Indonesian reason), used when
/// the file and its folder show nothing wrong.
QString writeProblem(const QString& path, const QString& reason = {});

} // namespace tirta
