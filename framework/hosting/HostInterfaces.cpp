#include "framework/hosting/HostInterfaces.h"

#include "published/Excel.h"

namespace corvane::framework {
namespace {

constexpr HostInterface kHosts[] = {
    {Office::OfficeFamilyId(0x00020970), ohaWord, "TkvxWordAppEvents", true},
    {Excel::Application::iid, ohaExcel, "TkvxExcelAppEvents", false},
    {Office::OfficeFamilyId(0x00063001), ohaOutlook, "TkvxOutlookAppEvents", true},
    {{0x68CCE6C0, 0x6129, 0x101B, {0xAF, 0x4E, 0x00, 0xAA, 0x00, 0x3F, 0x0F, 0x07}}, ohaAccess, "", false},
    {Office::OfficeFamilyId(0x00020AFF), ohaProject, "TkvxProjectAppEvents", true},
    {{0x91493442, 0x5A91, 0x11CF, {0x87, 0x00, 0x00, 0xAA, 0x00, 0x60, 0x26, 0x3B}},
     ohaPowerPoint,
     "TkvxPowerPointAppEvents",
     false},
    {{0x04DF1014, 0x7007, 0x11D1, {0x83, 0xBC, 0x00, 0x60, 0x97, 0xAB, 0xE6, 0x75}},
     ohaFrontPage,
     "TkvxFrontPageAppEvents",
     false},
    {{0xD6D389CE, 0x1781, 0x47A0, {0x89, 0x84, 0x43, 0x49, 0x68, 0x7F, 0x65, 0xD6}},
     ohaMapPoint,
     "TkvxMapPointAppEvents",
     false},
    {Office::OfficeFamilyId(0x000D0700), ohaVisio, "TkvxVisioAppEvents", false},
    {Office::OfficeFamilyId(0x0002123E), ohaPublisher, "TkvxPublisherAppEvents", false},
};

struct WindowClass {
  TkvxOfficeHostApp kind;
  std::u16string_view name;
};

constexpr WindowClass kWindowClasses[] = {
    {ohaExcel, u"XLMAIN"},
    {ohaVisio, u"VISIOA"},
};

}  // namespace

std::span<const HostInterface> HostInterfaces() { return kHosts; }

std::u16string_view MainWindowClass(TkvxOfficeHostApp kind) {
  for (const auto& row : kWindowClasses) {
    if (row.kind == kind) return row.name;
  }
  return {};
}

}  // namespace corvane::framework
