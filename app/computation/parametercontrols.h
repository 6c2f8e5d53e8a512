#pragma once

#include <vector>

#include "core/compute/tipparameters.h"

class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QWidget;

namespace quorix {

// The control that shows one computation setting: a check box for a flag, a spin box for a
// number, an option group for a choice. Exactly one of the three is set.
struct ParameterControl {
    const TipParameterInfo *info = nullptr;
    QCheckBox *box = nullptr;
    QSpinBox *spin = nullptr;
    QWidget *group = nullptr;        // the option group's frame
    QButtonGroup *options = nullptr; // its items, the item's id being the value

    QWidget *widget() const;
};

// The typed controls of the "Berechnung" pages and the tip-count spinner, bound to the core's
// parameter table while the pages are built.
class ParameterControls {
public:
    void bind(const TipParameterInfo &info, QCheckBox *box);
    void bind(const TipParameterInfo &info, QSpinBox *spin);
    void bind(const TipParameterInfo &info, QWidget *group, QButtonGroup *options);

    // The control of a field, nullptr for a field without one.
    const ParameterControl *find(const TipParameterInfo &info) const;
    QCheckBox *checkBox(std::string_view field) const;

    // Every setting as its control shows it; fields without a control keep their defaults.
    TipParameters read() const;
    // Puts every value into its control.
    void write(const TipParameters &parameters) const;
    // Puts these settings into their controls (the relaxed ones, in their order).
    void write(const TipParameters &parameters, std::span<const TipParameterInfo *const> infos) const;
    // Lets the player change every setting; the bonus-hit box stays off (it is no choice).
    void enable() const;

private:
    void writeOne(const ParameterControl &control, const TipParameters &parameters) const;

    std::vector<ParameterControl> m_controls;
};

} // namespace quorix
