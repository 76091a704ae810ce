#include "sim/excel/objects/FormatLocale.h"

#include "platform/com/Dispatch.h"

namespace corvane::sim::excel {
namespace {

NumberNotation NotationFor(LCID locale, const std::shared_ptr<AppModel>& app) {
  if (AsksForEnUs(locale) || !app) return NumberNotation{};
  return app->user_notation();
}

}  // namespace

bool AsksForEnUs(LCID locale) { return locale == 0 || locale == com::kLocaleEnUs; }

std::u16string CodeForCaller(const std::u16string& stored, LCID locale, const std::shared_ptr<AppModel>& app) {
  return ToNotation(stored, NotationFor(locale, app));
}

std::u16string CodeFromCaller(const std::u16string& given, LCID locale, const std::shared_ptr<AppModel>& app) {
  return FromNotation(given, NotationFor(locale, app));
}

}  // namespace corvane::sim::excel
