// Checks the resources linked into Quorvane.exe as Windows itself sees them: the application
// manifest, the icon group and the version information. The exe to check is the one argument
// after GoogleTest's own; it is loaded as a data file, never run.
//
//   resource_check.exe [--gtest_...] path\to\Quorvane.exe

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#ifndef QUORVANE_EXPECTED_VERSION
#error "QUORVANE_EXPECTED_VERSION (the project version) must be defined by the build"
#endif

namespace {

std::wstring g_exe_path;

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  return out;
}

std::uint16_t ReadU16(const unsigned char* p) {
  std::uint16_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

std::uint32_t ReadU32(const unsigned char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// The project version in its four-number form: "1.2" is 1.2.0.0.
std::vector<std::uint16_t> ExpectedVersion() {
  std::vector<std::uint16_t> parts;
  unsigned value = 0;
  bool digits = false;
  for (const char* p = QUORVANE_EXPECTED_VERSION;; ++p) {
    if (*p >= '0' && *p <= '9') {
      value = value * 10 + static_cast<unsigned>(*p - '0');
      digits = true;
    } else {
      if (digits) parts.push_back(static_cast<std::uint16_t>(value));
      value = 0;
      digits = false;
      if (*p == '\0') break;
    }
  }
  parts.resize(4, 0);
  return parts;
}

std::wstring ExpectedVersionText() {
  std::wstring text;
  for (std::uint16_t part : ExpectedVersion()) {
    if (!text.empty()) text += L'.';
    text += std::to_wstring(part);
  }
  return text;
}

struct Bytes {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

class ResourceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    module_ = LoadLibraryExW(g_exe_path.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    load_error_ = module_ ? 0 : GetLastError();
  }
  static void TearDownTestSuite() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(module_, nullptr) << "cannot load " << Narrow(g_exe_path) << " as data, error "
                                << load_error_;
  }

  // The resource's bytes; data is null when it is missing.
  static Bytes Find(LPCWSTR type, LPCWSTR name) {
    Bytes out;
    HRSRC info = FindResourceW(module_, name, type);
    if (!info) return out;
    HGLOBAL loaded = LoadResource(module_, info);
    if (!loaded) return out;
    out.data = static_cast<const unsigned char*>(LockResource(loaded));
    out.size = SizeofResource(module_, info);
    return out;
  }

  static HMODULE module_;
  static DWORD load_error_;
};

HMODULE ResourceTest::module_ = nullptr;
DWORD ResourceTest::load_error_ = 0;

// ---------------------------------------------------------------------------------------------
// Manifest

// The start tags <tag ...> in the text, each without its angle brackets.
std::vector<std::string> StartTags(const std::string& xml, const std::string& tag) {
  std::vector<std::string> found;
  const std::string open = "<" + tag;
  for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const std::size_t after = at + open.size();
    if (after >= xml.size()) break;
    const char next = xml[after];
    if (next != ' ' && next != '\t' && next != '\r' && next != '\n' && next != '/' && next != '>')
      continue;  // a longer name that starts the same way
    const std::size_t end = xml.find('>', after);
    if (end == std::string::npos) break;
    found.push_back(xml.substr(at + 1, end - at - 1));
  }
  return found;
}

std::map<std::string, std::string> Attributes(const std::string& tag) {
  std::map<std::string, std::string> attributes;
  std::size_t at = tag.find_first_of(" \t\r\n");
  while (at != std::string::npos) {
    const std::size_t name_start = tag.find_first_not_of(" \t\r\n/", at);
    if (name_start == std::string::npos) break;
    const std::size_t equals = tag.find('=', name_start);
    if (equals == std::string::npos) break;
    const std::size_t open = tag.find_first_of("\"'", equals);
    if (open == std::string::npos) break;
    const std::size_t close = tag.find(tag[open], open + 1);
    if (close == std::string::npos) break;
    std::string name = tag.substr(name_start, equals - name_start);
    name.erase(name.find_last_not_of(" \t\r\n") + 1);
    attributes[name] = tag.substr(open + 1, close - open - 1);
    at = close + 1;
  }
  return attributes;
}

class ManifestTest : public ResourceTest {
 protected:
  void SetUp() override {
    ResourceTest::SetUp();
    if (HasFatalFailure()) return;
    const Bytes manifest = Find(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
    ASSERT_NE(manifest.data, nullptr) << "no RT_MANIFEST resource 1";
    xml_.assign(reinterpret_cast<const char*>(manifest.data), manifest.size);
    arch_ = ExeArchitecture();
    ASSERT_FALSE(arch_.empty());
  }

  // The manifest must name the exe's own architecture, read from its PE file header.
  static std::string ExeArchitecture() {
    HANDLE file = CreateFileW(g_exe_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      ADD_FAILURE() << "cannot open " << Narrow(g_exe_path);
      return {};
    }
    unsigned char head[4096] = {};
    DWORD got = 0;
    const BOOL read = ReadFile(file, head, sizeof head, &got, nullptr);
    CloseHandle(file);
    if (!read || got < 0x40) {
      ADD_FAILURE() << "cannot read the headers";
      return {};
    }
    const std::uint32_t pe = ReadU32(head + 0x3C);  // e_lfanew
    if (pe > got - 6 || std::memcmp(head + pe, "PE\0\0", 4) != 0) {
      ADD_FAILURE() << "no PE signature";
      return {};
    }
    static const struct {
      std::uint16_t machine;
      const char* manifest_name;
    } kMachines[] = {
        {IMAGE_FILE_MACHINE_I386, "x86"},
        {IMAGE_FILE_MACHINE_AMD64, "amd64"},
    };
    const std::uint16_t machine = ReadU16(head + pe + 4);
    for (const auto& m : kMachines)
      if (m.machine == machine) return m.manifest_name;
    ADD_FAILURE() << "unexpected machine 0x" << std::hex << machine;
    return {};
  }

  std::string xml_;
  std::string arch_;
};

TEST_F(ManifestTest, IsWholeXmlDocument) {
  EXPECT_EQ(xml_.compare(0, 5, "<?xml"), 0) << "the manifest must start with the XML declaration";
  const std::string end = "</assembly>";
  const std::size_t last = xml_.find_last_not_of(std::string("\r\n\t \0", 5));
  ASSERT_NE(last, std::string::npos);
  ASSERT_GE(last + 1, end.size());
  EXPECT_EQ(xml_.substr(last + 1 - end.size(), end.size()), end) << "truncated manifest";
  EXPECT_EQ(StartTags(xml_, "assembly").size(), 1u);
}

TEST_F(ManifestTest, AssemblyIdentities) {
  const std::map<std::string, std::map<std::string, std::string>> expected = {
      {"Quorvane.Quorvane",
       {{"type", "win32"}, {"name", "Quorvane.Quorvane"}, {"version", "5.2.0.0"},
        {"processorArchitecture", arch_}}},
      {"Microsoft.Windows.Common-Controls",
       {{"type", "win32"}, {"name", "Microsoft.Windows.Common-Controls"}, {"version", "6.0.0.0"},
        {"processorArchitecture", arch_}, {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"}}},
  };
  std::map<std::string, std::map<std::string, std::string>> actual;
  for (const std::string& tag : StartTags(xml_, "assemblyIdentity")) {
    auto attributes = Attributes(tag);
    const std::string name = attributes["name"];
    EXPECT_TRUE(actual.emplace(name, std::move(attributes)).second) << "twice: " << name;
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(ManifestTest, CommonControlsIsTheDependency) {
  const std::vector<std::string> dependent = StartTags(xml_, "dependentAssembly");
  ASSERT_EQ(dependent.size(), 1u);
  // The identity inside <dependentAssembly> is the common controls, not the exe's own.
  const std::size_t open = xml_.find("<dependentAssembly");
  const std::size_t close = xml_.find("</dependentAssembly>", open);
  ASSERT_NE(close, std::string::npos);
  const std::vector<std::string> inside =
      StartTags(xml_.substr(open, close - open), "assemblyIdentity");
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_EQ(Attributes(inside[0])["name"], "Microsoft.Windows.Common-Controls");
}

TEST_F(ManifestTest, SupportedOperatingSystems) {
  const std::set<std::string> expected = {
      "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
      "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
      "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
      "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
  };
  std::set<std::string> actual;
  for (const std::string& tag : StartTags(xml_, "supportedOS")) actual.insert(Attributes(tag)["Id"]);
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(StartTags(xml_, "compatibility").size(), 1u);
}

TEST_F(ManifestTest, RunsAsInvokerWithoutDpiAwareness) {
  const std::vector<std::string> levels = StartTags(xml_, "requestedExecutionLevel");
  ASSERT_EQ(levels.size(), 1u);
  const std::map<std::string, std::string> expected = {{"level", "asInvoker"},
                                                       {"uiAccess", "false"}};
  EXPECT_EQ(Attributes(levels[0]), expected);
  // The window is laid out in fixed pixels; Windows must scale it, not the program.
  for (const char* tag : {"dpiAware", "dpiAwareness", "gdiScaling"})
    EXPECT_TRUE(StartTags(xml_, tag).empty()) << tag;
}

// ---------------------------------------------------------------------------------------------
// Icon

struct GroupEntry {
  unsigned width, height, colours, reserved, planes, bit_count;
  std::uint32_t bytes;
  std::uint16_t id;
};

class IconTest : public ResourceTest {
 protected:
  // GRPICONDIR then its GRPICONDIRENTRY items, 6 and 14 bytes, packed.
  static std::vector<GroupEntry> GroupEntries(const Bytes& group) {
    std::vector<GroupEntry> entries;
    if (group.size < 6) {
      ADD_FAILURE() << "icon group of " << group.size << " bytes";
      return entries;
    }
    EXPECT_EQ(ReadU16(group.data), 0) << "idReserved";
    EXPECT_EQ(ReadU16(group.data + 2), 1) << "idType (1 = icon)";
    const std::size_t count = ReadU16(group.data + 4);
    if (group.size < 6 + 14 * count) {
      ADD_FAILURE() << count << " entries do not fit in " << group.size << " bytes";
      return entries;
    }
    for (std::size_t i = 0; i < count; ++i) {
      const unsigned char* e = group.data + 6 + 14 * i;
      // A width or height byte of 0 means 256.
      entries.push_back({e[0] ? e[0] : 256u, e[1] ? e[1] : 256u, e[2], e[3], ReadU16(e + 4),
                         ReadU16(e + 6), ReadU32(e + 8), ReadU16(e + 12)});
    }
    return entries;
  }
};

struct IconSize {
  unsigned pixels;
  unsigned bit_count;
};
const IconSize kIconSizes[] = {{16, 4}, {32, 4}, {48, 4}};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
  auto* names = reinterpret_cast<std::vector<std::wstring>*>(list);
  names->push_back(IS_INTRESOURCE(name)
                       ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                       : std::wstring(name));
  return TRUE;
}

TEST_F(IconTest, DefaultIconIsTheOnlyGroup) {
  // Explorer and the taskbar show the first icon group; it has to be ours.
  std::vector<std::wstring> names;
  EnumResourceNamesW(module_, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&names));
  ASSERT_FALSE(names.empty()) << "no icon group";
  EXPECT_EQ(Narrow(names.front()), "DEFAULT_ICON");
  EXPECT_EQ(names.size(), 1u);
}

TEST_F(IconTest, GroupHoldsThe16ColourSizes) {
  const Bytes group = Find(RT_GROUP_ICON, L"DEFAULT_ICON");
  ASSERT_NE(group.data, nullptr) << "no icon group DEFAULT_ICON";
  const std::vector<GroupEntry> entries = GroupEntries(group);
  ASSERT_EQ(entries.size(), std::size(kIconSizes));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const GroupEntry& e = entries[i];
    const IconSize& want = kIconSizes[i];
    SCOPED_TRACE("entry " + std::to_string(i) + ", " + std::to_string(want.pixels) + " pixels");
    EXPECT_EQ(e.width, want.pixels);
    EXPECT_EQ(e.height, want.pixels);
    EXPECT_EQ(e.colours, 1u << want.bit_count);
    EXPECT_EQ(e.reserved, 0u);
    EXPECT_EQ(e.planes, 1u);
    EXPECT_EQ(e.bit_count, want.bit_count);

    // The image it points at: a DIB with the AND mask stacked under the XOR image.
    const Bytes image = Find(RT_ICON, MAKEINTRESOURCEW(e.id));
    ASSERT_NE(image.data, nullptr) << "no RT_ICON " << e.id;
    EXPECT_EQ(image.size, e.bytes);
    ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data, sizeof header);
    EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header.biWidth, static_cast<LONG>(want.pixels));
    EXPECT_EQ(header.biHeight, static_cast<LONG>(2 * want.pixels));
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, want.bit_count);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    const std::size_t palette = 4u << want.bit_count;
    const std::size_t xor_stride = (want.pixels * want.bit_count + 31) / 32 * 4;
    const std::size_t and_stride = (want.pixels + 31) / 32 * 4;
    ASSERT_EQ(image.size, sizeof header + palette + (xor_stride + and_stride) * want.pixels);

    // Transparent around the round lens, opaque in its middle. Mask rows are bottom-up and a
    // set bit is a transparent pixel.
    const unsigned char* mask = image.data + sizeof header + palette + xor_stride * want.pixels;
    auto transparent = [&](unsigned x, unsigned y_from_top) {
      const unsigned char* row = mask + and_stride * (want.pixels - 1 - y_from_top);
      return (row[x / 8] & (0x80 >> (x % 8))) != 0;
    };
    const unsigned last = want.pixels - 1, middle = want.pixels / 2, inset = want.pixels / 8;
    const struct {
      unsigned x, y;
      bool transparent;
    } kPoints[] = {{0, 0, true},
                   {last, 0, true},
                   {0, last, true},
                   {last, last, true},
                   {middle, middle, false},
                   {middle, inset, false},
                   {inset, middle, false},
                   {middle, last - inset, false},
                   {last - inset, middle, false}};
    for (const auto& p : kPoints)
      EXPECT_EQ(transparent(p.x, p.y), p.transparent) << "pixel " << p.x << "," << p.y;
  }
}

TEST_F(IconTest, LoadsAtTheSizesTheWindowAsksFor) {
  for (int size : {16, 32}) {
    SCOPED_TRACE(size);
    HICON icon = static_cast<HICON>(LoadImageW(module_, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << "LoadImageW error " << GetLastError();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, size);
    // With a colour image the mask is the icon's height; without one it is twice that.
    EXPECT_EQ(mask.bmHeight, info.hbmColor ? size : 2 * size);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

// ---------------------------------------------------------------------------------------------
// Version information

// One node of VS_VERSIONINFO: wLength, wValueLength, wType, key, value, children, each part
// starting on a 4-byte boundary of the resource.
struct VersionNode {
  std::wstring key;
  std::uint16_t type = 0;
  const unsigned char* value = nullptr;
  std::size_t value_bytes = 0;
  std::vector<VersionNode> children;

  const VersionNode* Child(const std::wstring& name) const {
    const VersionNode* found = nullptr;
    for (const VersionNode& c : children) {
      if (c.key != name) continue;
      EXPECT_EQ(found, nullptr) << "two children named " << Narrow(name);
      found = &c;
    }
    return found;
  }
  std::wstring Text() const {
    std::wstring text(value_bytes / 2, L'\0');
    if (!text.empty()) std::memcpy(&text[0], value, text.size() * 2);
    text.erase(text.find_last_not_of(L'\0') + 1);
    return text;
  }
};

// Parses the node at start, which must end by end; false (with a failure) when malformed.
bool ParseVersionNode(const unsigned char* base, std::size_t start, std::size_t end,
                      VersionNode* node) {
  auto align = [](std::size_t at) { return (at + 3) & ~static_cast<std::size_t>(3); };
  if (start + 6 > end) {
    ADD_FAILURE() << "node header past the end at " << start;
    return false;
  }
  const std::size_t length = ReadU16(base + start);
  const std::size_t value_length = ReadU16(base + start + 2);
  node->type = ReadU16(base + start + 4);
  if (length < 6 || start + length > end) {
    ADD_FAILURE() << "node at " << start << " claims " << length << " bytes";
    return false;
  }
  const std::size_t node_end = start + length;
  std::size_t at = start + 6;
  for (;;) {
    if (at + 2 > node_end) {
      ADD_FAILURE() << "unterminated key at " << start;
      return false;
    }
    const wchar_t c = static_cast<wchar_t>(ReadU16(base + at));
    at += 2;
    if (c == L'\0') break;
    node->key += c;
  }
  at = align(at);
  // Text values count UTF-16 units, binary ones bytes.
  node->value_bytes = node->type == 1 ? value_length * 2 : value_length;
  if (at + node->value_bytes > node_end) {
    ADD_FAILURE() << "value of " << Narrow(node->key) << " runs past its node";
    return false;
  }
  node->value = base + at;
  at = align(at + node->value_bytes);
  while (at < node_end) {
    VersionNode child;
    if (!ParseVersionNode(base, at, node_end, &child)) return false;
    at = align(at + ReadU16(base + at));
    node->children.push_back(std::move(child));
  }
  return true;
}

class VersionTest : public ResourceTest {
 protected:
  void SetUp() override {
    ResourceTest::SetUp();
    if (HasFatalFailure()) return;
    const Bytes version = Find(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
    ASSERT_NE(version.data, nullptr) << "no RT_VERSION resource 1";
    ASSERT_TRUE(ParseVersionNode(version.data, 0, version.size, &root_));
    ASSERT_EQ(Narrow(root_.key), "VS_VERSION_INFO");
  }
  VersionNode root_;
};

TEST_F(VersionTest, FixedFileInfo) {
  ASSERT_EQ(root_.type, 0);
  ASSERT_EQ(root_.value_bytes, sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, root_.value, sizeof fixed);
  const std::vector<std::uint16_t> v = ExpectedVersion();
  const DWORD version_ms = static_cast<DWORD>(v[0]) << 16 | v[1];
  const DWORD version_ls = static_cast<DWORD>(v[2]) << 16 | v[3];
  const struct {
    const char* field;
    DWORD actual, expected;
  } kFields[] = {
      {"dwSignature", fixed.dwSignature, 0xFEEF04BD},
      {"dwStrucVersion", fixed.dwStrucVersion, 0x00010000},
      {"dwFileVersionMS", fixed.dwFileVersionMS, version_ms},
      {"dwFileVersionLS", fixed.dwFileVersionLS, version_ls},
      {"dwProductVersionMS", fixed.dwProductVersionMS, version_ms},
      {"dwProductVersionLS", fixed.dwProductVersionLS, version_ls},
      {"dwFileFlagsMask", fixed.dwFileFlagsMask, VS_FFI_FILEFLAGSMASK},
      {"dwFileFlags", fixed.dwFileFlags, 0},
      {"dwFileOS", fixed.dwFileOS, VOS__WINDOWS32},
      {"dwFileType", fixed.dwFileType, VFT_APP},
      {"dwFileSubtype", fixed.dwFileSubtype, VFT2_UNKNOWN},
  };
  for (const auto& f : kFields)
    EXPECT_EQ(f.actual, f.expected) << f.field << std::hex << " 0x" << f.actual;
}

TEST_F(VersionTest, ChineseUnicodeStringTable) {
  const VersionNode* string_info = root_.Child(L"StringFileInfo");
  ASSERT_NE(string_info, nullptr);
  ASSERT_EQ(string_info->children.size(), 1u) << "one string table, for one language";
  const VersionNode& table = string_info->children.front();
  EXPECT_EQ(Narrow(table.key), "080404B0");  // Chinese (PRC), code page 1200 (UTF-16)

  const std::wstring version = ExpectedVersionText();
  const struct {
    const wchar_t* name;
    std::wstring value;
  } kStrings[] = {
      {L"CompanyName", L"Quorvane"},
      {L"FileDescription", L"Quorvane"},
      {L"FileVersion", version},
      {L"InternalName", L"Quorvane"},
      {L"OriginalFilename", L"Quorvane.exe"},
      {L"ProductName", L"Quorvane"},
      {L"ProductVersion", version},
  };
  for (const auto& s : kStrings) {
    SCOPED_TRACE(Narrow(s.name));
    const VersionNode* string = table.Child(s.name);
    ASSERT_NE(string, nullptr) << "missing";
    EXPECT_EQ(string->type, 1) << "not stored as text";
    EXPECT_TRUE(string->Text() == s.value)
        << "\"" << Narrow(string->Text()) << "\" instead of \"" << Narrow(s.value) << "\"";
  }
}

TEST_F(VersionTest, TranslationIsChineseUnicode) {
  const VersionNode* var_info = root_.Child(L"VarFileInfo");
  ASSERT_NE(var_info, nullptr);
  const VersionNode* translation = var_info->Child(L"Translation");
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation->type, 0);
  ASSERT_EQ(translation->value_bytes, 4u) << "one language and code page pair";
  EXPECT_EQ(ReadU16(translation->value), 0x0804);
  EXPECT_EQ(ReadU16(translation->value + 2), 1200);
}

}  // namespace

int main() {
  // Wide arguments, so any path to the exe survives.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: resource_check [gtest options] path\\to\\Quorvane.exe\n");
    LocalFree(argv);
    return 2;
  }
  g_exe_path = argv[1];
  LocalFree(argv);
  return RUN_ALL_TESTS();
}
