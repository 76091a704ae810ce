#include "framework/hosting/HostApplications.h"

#include <stdexcept>

namespace corvane::framework {
namespace {

using enum AddinKeyForm;

constexpr HostApplication kHostApplications[] = {
    {ohaExcel, u"Excel", u"Excel.Application", Office},
    {ohaWord, u"Word", u"Word.Application", Office},
    {ohaOutlook, u"Outlook", u"Outlook.Application", Office},
    {ohaPowerPoint, u"PowerPoint", u"PowerPoint.Application", Office},
    {ohaAccess, u"Access", u"Access.Application", Office},
    {ohaProject, u"MS Project", u"MSProject.Application", Office},
    {ohaFrontPage, u"FrontPage", u"FrontPage.Application", Office},
    {ohaMapPoint, u"MapPoint", u"MapPoint.Application", Own},
    {ohaVisio, u"Visio", u"Visio.Application", Own},
    {ohaPublisher, u"Publisher", u"Publisher.Application", Office},
};

}  // namespace

std::span<const HostApplication> HostApplications() { return kHostApplications; }

const HostApplication& HostApplicationOf(TkvxOfficeHostApp kind) {
  for (const auto& host : kHostApplications) {
    if (host.kind == kind) return host;
  }
  throw std::out_of_range("unknown host application " + std::to_string(static_cast<int>(kind)));
}

std::u16string FormatAddinKey(TkvxOfficeHostApp kind, std::u16string_view progId) {
  const HostApplication& host = HostApplicationOf(kind);
  std::u16string key =
      host.keyForm == AddinKeyForm::Office ? u"\\Software\\Microsoft\\Office\\" : u"\\Software\\Microsoft\\";
  key.append(host.name).append(u"\\AddIns\\").append(progId);
  return key;
}

}  // namespace corvane::framework
