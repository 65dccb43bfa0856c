#include "workspace/CommandResult.h"

#include "numeric/Error.h"

namespace grafida {

std::string WindowCaption(const CommandResult& result, int openTextWindows) {
    if (!result.caption.empty())
        return result.caption;
    return FormatMessage("NONAME%d", openTextWindows + 1);
}

} // namespace grafida
