#include "app/settings/settingsnames.h"

#include <algorithm>
#include <string_view>

#include "app/mainwindow/controlnames.h"
#include "app/mainwindow/controltables.h"
#include "core/compute/tipparameters.h"

namespace quorix {

namespace {

QString latin1(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The number a control's name ends with ("CheckBox17" -> 17).
int trailingNumber(const QString &name) {
    qsizetype start = name.size();
    while (start > 0 && name.at(start - 1).isDigit())
        --start;
    return name.mid(start).toInt();
}

std::vector<StoredControl> inNumberOrder(std::vector<StoredControl> controls) {
    std::ranges::stable_sort(controls, {}, [](const StoredControl &c) { return trailingNumber(c.control); });
    return controls;
}

// The computation's boxes carry their setting name in the parameter table; the boxes that are no
// computation setting follow the same spelling.
QString checkBoxSetting(const char *control) {
    for (const TipParameterInfo &info : tipParameterTable())
        if (info.isFlag() && info.control == control) return latin1(info.settingsName);
    return QStringLiteral("Chekcbox%1").arg(trailingNumber(QString::fromLatin1(control)));
}

} // namespace

std::span<const StoredControl> storedCheckBoxes() {
    static const std::vector<StoredControl> boxes = [] {
        std::vector<StoredControl> all;
        for (const CheckBoxEntry &entry : checkBoxEntries())
            all.push_back(
                {checkBoxSetting(entry.name), QString::fromLatin1(entry.name), StoredKind::CheckBox});
        return inNumberOrder(std::move(all));
    }();
    return boxes;
}

// The position of a spin field is kept under its spinner's name; the window finds the field by it.
std::span<const StoredControl> storedSpinners() {
    static const std::vector<StoredControl> spinners = [] {
        std::vector<StoredControl> all;
        for (const TipParameterInfo &info : tipParameterTable())
            if (!info.isFlag() && !info.spinner.empty())
                all.push_back({latin1(info.settingsName), latin1(info.spinner), StoredKind::SpinBox});
        return inNumberOrder(std::move(all));
    }();
    return spinners;
}

std::span<const StoredControl> storedTipFields() {
    static const std::vector<StoredControl> fields = [] {
        std::vector<StoredControl> all;
        for (const TipRowControls &row : kTipRows)
            for (const int edit : row.edits) {
                const QString name = QStringLiteral("Edit%1").arg(edit);
                all.push_back({name, name, StoredKind::LineEdit});
            }
        return inNumberOrder(std::move(all));
    }();
    return fields;
}

std::span<const StoredControl> storedLuckyBoxes() {
    static const std::vector<StoredControl> boxes = [] {
        std::vector<StoredControl> all;
        for (const TipRowControls &row : kTipRows) {
            const QString control = QString::fromLatin1(row.lucky);
            all.push_back(
                {QStringLiteral("Combobox%1").arg(trailingNumber(control)), control, StoredKind::ComboBox});
        }
        return all;
    }();
    return boxes;
}

std::span<const StoredControl> storedOptionGroups() {
    static const std::vector<StoredControl> groups = [] {
        std::vector<StoredControl> all;
        for (const TipParameterInfo &info : tipParameterTable())
            if (!info.isFlag() && info.spinner.empty())
                all.push_back({latin1(info.settingsName), latin1(info.control), StoredKind::OptionGroup});
        return inNumberOrder(std::move(all));
    }();
    return groups;
}

std::span<const StoredControl> storedFees() {
    static const StoredControl fees[] = {
        {QStringLiteral("ZWEIPREIS"), QString::fromLatin1(controlname::kSingleFee), StoredKind::LineEdit},
        {QStringLiteral("EINPREIS"), QString::fromLatin1(controlname::kDoubleFee), StoredKind::LineEdit},
    };
    return fees;
}

std::span<const StoredControl> storedProxy() {
    static const StoredControl proxy[] = {
        {QString::fromLatin1(controlname::kProxyHost), QString::fromLatin1(controlname::kProxyHost),
         StoredKind::LineEdit},
        {QString::fromLatin1(controlname::kProxyPort), QString::fromLatin1(controlname::kProxyPort),
         StoredKind::LineEdit},
        {QStringLiteral("ZahlenServer"), QString::fromLatin1(controlname::kServer), StoredKind::LineEdit},
    };
    return proxy;
}

const StoredControl &storedStartDate() {
    static const StoredControl startDate{QString::fromLatin1(controlname::kStartDate),
                                         QString::fromLatin1(controlname::kStartDate),
                                         StoredKind::DatePicker};
    return startDate;
}

std::vector<StoredControl> allStoredControls() {
    std::vector<StoredControl> all;
    for (const auto family : {storedCheckBoxes(), storedSpinners(), storedTipFields(), storedLuckyBoxes(),
                              storedOptionGroups(), storedFees(), storedProxy()})
        all.insert(all.end(), family.begin(), family.end());
    all.push_back(storedStartDate());
    return all;
}

} // namespace quorix
