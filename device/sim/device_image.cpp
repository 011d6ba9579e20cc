#include "device/sim/device_image.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <set>

#include <nlohmann/json.hpp>

#include "common/errors.h"
#include "common/text.h"
#include "device/sim/sim_paths.h"

namespace mtp {

namespace fs = std::filesystem;
using json = nlohmann::json;

const SimObject* SimDeviceImage::Find(const std::u16string& objectId) const {
    if (objectId == WPD_DEVICE_OBJECT_ID)
        return &objects.front();
    auto it = byId.find(objectId);
    return it == byId.end() ? nullptr : &objects[it->second];
}

namespace {

// A problem in the image; LoadDeviceImage adds the folder to the text.
struct ImageProblem {
    std::string text;
};

[[noreturn]] void Problem(std::string text) {
    throw ImageProblem{std::move(text)};
}

void CheckFields(const json& object, std::initializer_list<const char*> allowed,
                 const std::string& where) {
    if (!object.is_object())
        Problem(where + " must be a JSON object");
    for (const auto& [key, value] : object.items())
        if (std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return key == a; }))
            Problem(where + ": unknown field \"" + key + "\"");
}

std::u16string TextOf(const json& value, const std::string& what) {
    if (!value.is_string())
        Problem(what + " must be a text");
    return Utf8ToUtf16(value.get<std::string>());
}

bool FlagOf(const json& object, const char* key, const std::string& where) {
    if (!object.contains(key))
        return false;
    if (!object[key].is_boolean())
        Problem(where + ": \"" + key + "\" must be true or false");
    return object[key].get<bool>();
}

// The value a text names in a table of choices; anything else is refused with `complaint`.
template <class T, std::size_t N>
T ChoiceOf(const json& value, const std::pair<const char*, T> (&choices)[N],
           const std::string& complaint) {
    const std::string text = value.is_string() ? value.get<std::string>() : std::string();
    for (const auto& [name, choice] : choices)
        if (text == name)
            return choice;
    Problem(complaint);
}

HRESULT ResultCodeOf(const json& value, const std::string& what) {
    if (value.is_number_integer())
        return static_cast<HRESULT>(value.get<std::int64_t>());
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        unsigned long code = 0;
        char tail = 0;
        if (std::sscanf(text.c_str(), "0x%lx%c", &code, &tail) == 1 && code <= 0xFFFFFFFFul)
            return MakeHResult(static_cast<std::uint32_t>(code));
    }
    Problem(what + " must be a number or a text such as \"0x802A0006\"");
}

// "2019-05-06T12:34:56" or "2019-05-06 12:34:56", optionally with ".mmm".
DateTimeParts LocalDateOf(const json& value, const std::string& what) {
    const std::string text = value.is_string() ? value.get<std::string>() : std::string();
    DateTimeParts p;
    char separator = 0;
    int consumed = 0;
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &p.year, &p.month,
                                   &p.day, &separator, &p.hour, &p.minute, &p.second, &consumed);
    bool ok = fields == 7 && (separator == 'T' || separator == ' ');
    if (ok && text[consumed] == '.') {
        int ms = 0;
        int more = 0;
        ok = std::sscanf(text.c_str() + consumed, ".%3d%n", &ms, &more) == 1 && more == 4;
        p.millisecond = ms;
        consumed += more;
    }
    ok = ok && static_cast<std::size_t>(consumed) == text.size() && p.year >= 1 && p.year <= 9999 &&
         p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= 31 && p.hour <= 23 &&
         p.minute <= 59 && p.second <= 59;
    if (!ok)
        Problem(what + " must be a local date-time such as \"2019-05-06T12:34:56\"");
    return p;
}

DateTimeParts LocalDateOfFile(const fs::path& path) {
    const auto written = fs::last_write_time(path);
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    const std::tm* local = std::localtime(&seconds);
    DateTimeParts p;
    if (local) {
        p.year = local->tm_year + 1900;
        p.month = local->tm_mon + 1;
        p.day = local->tm_mday;
        p.hour = local->tm_hour;
        p.minute = local->tm_min;
        p.second = local->tm_sec;
    }
    return p;
}

std::optional<NameAnswer> NameAnswerOf(const json& manifest, const char* key,
                                       const std::u16string& fallback) {
    if (!manifest.contains(key))
        return NameAnswer{fallback};
    const json& value = manifest[key];
    const std::string what = std::string("\"") + key + "\"";
    if (value.is_null())
        return std::nullopt;
    if (value.is_string())
        return NameAnswer{TextOf(value, what)};
    if (!value.is_object())
        Problem(what + " must be a text, null, or {\"text\": ..., \"fillFails\": true}");
    CheckFields(value, {"text", "fillFails"}, what);
    return NameAnswer{TextOf(value.value("text", json()), what + " text"),
                      FlagOf(value, "fillFails", what)};
}

// MTP-like identifiers: "s10001" for the first storage, "o1A" for object handle 0x1A.
std::u16string HandleId(char prefix, std::uint32_t handle) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%X", prefix, static_cast<unsigned>(handle));
    return Utf8ToUtf16(text);
}

// Builds the object tree, assigning identifiers in depth-first order as an MTP device
// numbers its object handles, and applies the manifest's per-object overrides.
class TreeBuilder {
public:
    TreeBuilder(SimDeviceImage& image, const json& overrides, std::optional<DateTimeParts> date)
        : image_(image), overrides_(overrides), date_(date) {}

    void Build(const std::u16string& rootId, const std::u16string& rootName) {
        SimObject root;
        root.id = rootId;
        SetValue(root.properties, WPD_OBJECT_ID, rootId);
        SetValue(root.properties, WPD_OBJECT_PARENT_ID, std::u16string());
        SetValue(root.properties, WPD_OBJECT_NAME, rootName);
        image_.objects.push_back(std::move(root));
        Register(0);
        const fs::path tree = image_.folder / kTreeFolderName;
        if (fs::is_directory(tree))
            AddChildren(0, tree, "");
        for (const auto& [path, value] : overrides_.items())
            if (!used_.count(path))
                Problem("\"objects\": no object \"" + path + "\" in the tree");
    }

private:
    void Register(std::size_t index) {
        const std::u16string& id = image_.objects[index].id;
        if (!image_.byId.emplace(id, index).second)
            Problem("two objects have the identifier \"" + Utf16ToUtf8(id) + "\"");
    }

    std::vector<fs::directory_entry> SortedEntries(const fs::path& dir) {
        std::vector<fs::directory_entry> entries;
        for (const auto& entry : fs::directory_iterator(dir))
            entries.push_back(entry);
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return PathToUtf8(a.path().filename()) < PathToUtf8(b.path().filename());
        });
        return entries;
    }

    void AddChildren(std::size_t parent, const fs::path& dir, const std::string& relDir) {
        auto entries = SortedEntries(dir);
        const json* own = Override(relDir);
        if (own && own->contains("order"))
            Reorder(entries, (*own)["order"], relDir);
        std::uint32_t storage = 0;
        for (const auto& entry : entries) {
            const std::string name = PathToUtf8(entry.path().filename());
            const std::string rel = relDir.empty() ? name : relDir + "/" + name;
            const bool isFolder = entry.is_directory();
            const bool isStorage = isFolder && parent == 0;
            SimObject object;
            object.id = isStorage ? HandleId('s', (++storage << 16) | 1) : HandleId('o', ++handle_);
            DefaultProperties(object, entry, isFolder, isStorage, image_.objects[parent].id);
            if (const json* o = Override(rel))
                ApplyOverride(object, *o, rel, isFolder);
            SetValue(object.properties, WPD_OBJECT_ID, object.id);
            const std::size_t index = image_.objects.size();
            image_.objects.push_back(std::move(object));
            image_.objects[parent].children.push_back(index);
            Register(index);
            if (isFolder)
                AddChildren(index, entry.path(), rel);
        }
    }

    void Reorder(std::vector<fs::directory_entry>& entries, const json& order,
                 const std::string& rel) {
        if (!order.is_array())
            Problem("\"" + rel + "\": \"order\" must be a list of names");
        auto next = entries.begin();
        for (const auto& nameValue : order) {
            const std::string name = Utf16ToUtf8(TextOf(nameValue, "\"" + rel + "\" order"));
            auto found = std::find_if(next, entries.end(), [&](const auto& e) {
                return PathToUtf8(e.path().filename()) == name;
            });
            if (found == entries.end())
                Problem("\"" + rel + "\": \"order\" names \"" + name + "\", which is not there");
            std::rotate(next, found, found + 1);
            ++next;
        }
    }

    void DefaultProperties(SimObject& object, const fs::directory_entry& entry, bool isFolder,
                           bool isStorage, const std::u16string& parentId) {
        const std::u16string name = Utf8ToUtf16(PathToUtf8(entry.path().filename()));
        auto& p = object.properties;
        SetValue(p, WPD_OBJECT_ID, object.id);
        SetValue(p, WPD_OBJECT_PARENT_ID, parentId);
        SetValue(p, WPD_OBJECT_NAME, name);
        if (isStorage) {
            SetValue(p, WPD_OBJECT_CONTENT_TYPE, WPD_CONTENT_TYPE_FUNCTIONAL_OBJECT);
            return;
        }
        SetValue(p, WPD_OBJECT_CONTENT_TYPE,
                 isFolder ? WPD_CONTENT_TYPE_FOLDER : WPD_CONTENT_TYPE_GENERIC_FILE);
        SetValue(p, WPD_OBJECT_ORIGINAL_FILE_NAME, name);
        if (!isFolder) {
            SetValue(p, WPD_OBJECT_SIZE, static_cast<std::uint64_t>(entry.file_size()));
            object.data = fs::absolute(entry.path());
        }
        const DateTimeParts date = date_ ? *date_ : LocalDateOfFile(entry.path());
        SetValue(p, WPD_OBJECT_DATE_CREATED, date);
        SetValue(p, WPD_OBJECT_DATE_MODIFIED, date);
    }

    const json* Override(const std::string& rel) {
        if (rel.empty() || !overrides_.contains(rel))
            return nullptr;
        used_.insert(rel);
        return &overrides_[rel];
    }

    // A text property: a text sets it verbatim, null removes it.
    static void TextOverride(SimProperties& p, const PropertyKey& key, const json& value,
                             const std::string& what) {
        if (value.is_null())
            RemoveValue(p, key);
        else
            SetValue(p, key, TextOf(value, what));
    }

    void ApplyOverride(SimObject& object, const json& o, const std::string& rel, bool isFolder) {
        const std::string where = "\"" + rel + "\"";
        CheckFields(o,
                    {"id", "name", "originalFileName", "size", "date", "created", "modified",
                     "contentType", "unreadable", "valuesFail", "enumFails", "streamFails",
                     "readFailsAfter", "order"},
                    where);
        auto& p = object.properties;
        if (o.contains("id"))
            object.id = TextOf(o["id"], where + " id");
        if (o.contains("name"))
            TextOverride(p, WPD_OBJECT_NAME, o["name"], where + " name");
        if (o.contains("originalFileName"))
            TextOverride(p, WPD_OBJECT_ORIGINAL_FILE_NAME, o["originalFileName"],
                         where + " originalFileName");
        if (o.contains("size")) {
            if (o["size"].is_number_unsigned())
                SetValue(p, WPD_OBJECT_SIZE, o["size"].get<std::uint64_t>());
            else
                TextOverride(p, WPD_OBJECT_SIZE, o["size"], where + " size");
        }
        if (o.contains("date")) {
            const DateTimeParts date = LocalDateOf(o["date"], where + " date");
            SetValue(p, WPD_OBJECT_DATE_CREATED, date);
            SetValue(p, WPD_OBJECT_DATE_MODIFIED, date);
        }
        if (o.contains("created"))
            TextOverride(p, WPD_OBJECT_DATE_CREATED, o["created"], where + " created");
        if (o.contains("modified"))
            TextOverride(p, WPD_OBJECT_DATE_MODIFIED, o["modified"], where + " modified");
        if (o.contains("contentType"))
            ContentTypeOverride(p, o["contentType"], where);
        if (o.contains("unreadable"))
            MakeUnreadable(p, o["unreadable"], where);
        object.valuesFail = FlagOf(o, "valuesFail", where);
        object.enumFails = FlagOf(o, "enumFails", where);
        object.streamFails = FlagOf(o, "streamFails", where);
        if (o.contains("readFailsAfter")) {
            if (!o["readFailsAfter"].is_number_unsigned() || isFolder)
                Problem(where + ": \"readFailsAfter\" must be a byte count, for files only");
            object.readFailsAfter = o["readFailsAfter"].get<std::uint64_t>();
        }
        if (o.contains("order") && !isFolder)
            Problem(where + ": \"order\" is for folders only");
    }

    static void ContentTypeOverride(SimProperties& p, const json& value, const std::string& where) {
        static const std::pair<const char*, Guid> kinds[] = {
            {"folder", WPD_CONTENT_TYPE_FOLDER},
            {"functional", WPD_CONTENT_TYPE_FUNCTIONAL_OBJECT},
            {"file", WPD_CONTENT_TYPE_GENERIC_FILE},
            {"unspecified", WPD_CONTENT_TYPE_UNSPECIFIED}};
        if (value.is_null())
            RemoveValue(p, WPD_OBJECT_CONTENT_TYPE);
        else
            SetValue(p, WPD_OBJECT_CONTENT_TYPE,
                     ChoiceOf(value, kinds,
                              where + ": \"contentType\" must be folder, functional, file, "
                                      "unspecified or null"));
    }

    static void MakeUnreadable(SimProperties& p, const json& list, const std::string& where) {
        static const std::pair<const char*, PropertyKey> names[] = {
            {"name", WPD_OBJECT_NAME},
            {"originalFileName", WPD_OBJECT_ORIGINAL_FILE_NAME},
            {"size", WPD_OBJECT_SIZE},
            {"created", WPD_OBJECT_DATE_CREATED},
            {"modified", WPD_OBJECT_DATE_MODIFIED},
            {"contentType", WPD_OBJECT_CONTENT_TYPE}};
        if (!list.is_array())
            Problem(where + ": \"unreadable\" must be a list of property names");
        for (const auto& item : list)
            SetValue(p,
                     ChoiceOf(item, names,
                              where + ": \"unreadable\" names no known property: " + item.dump()),
                     UnreadableValue{});
    }

    SimDeviceImage& image_;
    const json& overrides_;
    std::optional<DateTimeParts> date_;
    std::set<std::string> used_;
    std::uint32_t handle_ = 0;
};

OpenBehaviour OpenBehaviourOf(const json& value) {
    static const std::pair<const char*, OpenBehaviour> kinds[] = {
        {"ok", OpenBehaviour::Ok},
        {"readOnly", OpenBehaviour::ReadOnly},
        {"denied", OpenBehaviour::Denied},
        {"fail", OpenBehaviour::Fail}};
    return ChoiceOf(value, kinds, "\"open\" must be ok, readOnly, denied or fail");
}

EmptyParent EmptyParentOf(const json& value) {
    static const std::pair<const char*, EmptyParent> kinds[] = {{"root", EmptyParent::Root},
                                                                {"nothing", EmptyParent::Nothing},
                                                                {"fail", EmptyParent::Fail}};
    return ChoiceOf(value, kinds, "\"emptyParent\" must be root, nothing or fail");
}

json ReadManifest(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        Problem("cannot read " + PathToUtf8(file.filename()));
    return json::parse(in);
}

void LoadInto(SimDeviceImage& image) {
    const json manifest = ReadManifest(image.folder / kManifestName);
    CheckFields(manifest,
                {"id", "friendlyName", "description", "open", "openError", "contentFails",
                 "propertiesFail", "transferFails", "emptyParent", "rootId", "date", "objects"},
                "the manifest");
    const std::u16string folderName = Utf8ToUtf16(PathToUtf8(image.folder.filename()));
    image.id = manifest.contains("id")
                   ? TextOf(manifest["id"], "\"id\"")
                   : u"\\\\?\\sim#" + folderName + u"#{6ac27878-a6fa-4155-ba85-f98f491d4f33}";
    image.friendlyName = NameAnswerOf(manifest, "friendlyName", folderName);
    image.description = NameAnswerOf(manifest, "description",
                                     image.friendlyName ? image.friendlyName->text : folderName);
    if (manifest.contains("open"))
        image.open = OpenBehaviourOf(manifest["open"]);
    if (manifest.contains("openError"))
        image.openError = ResultCodeOf(manifest["openError"], "\"openError\"");
    image.contentFails = FlagOf(manifest, "contentFails", "the manifest");
    image.propertiesFail = FlagOf(manifest, "propertiesFail", "the manifest");
    image.transferFails = FlagOf(manifest, "transferFails", "the manifest");
    if (manifest.contains("emptyParent"))
        image.emptyParent = EmptyParentOf(manifest["emptyParent"]);
    const std::u16string rootId = manifest.contains("rootId")
                                      ? TextOf(manifest["rootId"], "\"rootId\"")
                                      : std::u16string(WPD_DEVICE_OBJECT_ID);
    std::optional<DateTimeParts> date;
    if (manifest.contains("date"))
        date = LocalDateOf(manifest["date"], "\"date\"");
    const json overrides = manifest.value("objects", json::object());
    if (!overrides.is_object())
        Problem("\"objects\" must map paths to their overrides");
    const std::u16string rootName =
        image.friendlyName ? image.friendlyName->text : std::u16string(WPD_DEVICE_OBJECT_ID);
    TreeBuilder(image, overrides, date).Build(rootId, rootName);
}

} // namespace

SimDeviceImage LoadDeviceImage(const fs::path& folder) {
    SimDeviceImage image;
    image.folder = folder;
    try {
        LoadInto(image);
    } catch (const ImageProblem& problem) {
        throw Error(u"Device image " + Utf8ToUtf16(PathToUtf8(folder)) + u": " +
                    Utf8ToUtf16(problem.text));
    } catch (const json::exception& e) {
        throw Error(u"Device image " + Utf8ToUtf16(PathToUtf8(folder)) + u": " +
                    Utf8ToUtf16(e.what()));
    } catch (const fs::filesystem_error& e) {
        throw Error(u"Device image " + Utf8ToUtf16(PathToUtf8(folder)) + u": " +
                    Utf8ToUtf16(e.what()));
    }
    return image;
}

} // namespace mtp
