#include "app/computation/parametercontrols.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSpinBox>

namespace quorix {

QWidget *ParameterControl::widget() const {
    if (box) return box;
    if (spin) return spin;
    return group;
}

void ParameterControls::bind(const TipParameterInfo &info, QCheckBox *box) {
    m_controls.push_back({&info, box, nullptr, nullptr, nullptr});
}

void ParameterControls::bind(const TipParameterInfo &info, QSpinBox *spin) {
    m_controls.push_back({&info, nullptr, spin, nullptr, nullptr});
}

void ParameterControls::bind(const TipParameterInfo &info, QWidget *group, QButtonGroup *options) {
    m_controls.push_back({&info, nullptr, nullptr, group, options});
}

const ParameterControl *ParameterControls::find(const TipParameterInfo &info) const {
    const auto found = std::ranges::find(m_controls, &info, &ParameterControl::info);
    return found == m_controls.end() ? nullptr : &*found;
}

QCheckBox *ParameterControls::checkBox(std::string_view field) const {
    const TipParameterInfo *info = findTipParameter(field);
    const ParameterControl *control = info ? find(*info) : nullptr;
    return control ? control->box : nullptr;
}

TipParameters ParameterControls::read() const {
    TipParameters parameters;
    for (const ParameterControl &control : m_controls) {
        const TipParameterInfo &info = *control.info;
        if (control.box && info.isFlag())
            parameters.*info.flag = control.box->isChecked();
        else if (control.spin && !info.isFlag())
            parameters.*info.value = control.spin->value();
        else if (control.options && !info.isFlag())
            parameters.*info.value = control.options->checkedId();
    }
    return parameters;
}

void ParameterControls::writeOne(const ParameterControl &control, const TipParameters &parameters) const {
    const TipParameterInfo &info = *control.info;
    if (control.box && info.isFlag()) {
        control.box->setChecked(parameters.*info.flag);
    } else if (control.spin && !info.isFlag()) {
        control.spin->setValue(parameters.*info.value);
    } else if (control.options && !info.isFlag()) {
        if (QAbstractButton *button = control.options->button(parameters.*info.value))
            button->setChecked(true);
    }
}

void ParameterControls::write(const TipParameters &parameters) const {
    for (const ParameterControl &control : m_controls)
        writeOne(control, parameters);
}

void ParameterControls::write(const TipParameters &parameters,
                              std::span<const TipParameterInfo *const> infos) const {
    for (const TipParameterInfo *info : infos)
        if (const ParameterControl *control = find(*info); control && !control->options)
            writeOne(*control, parameters);
}

void ParameterControls::enable() const {
    for (const ParameterControl &control : m_controls) {
        if (control.info->name == "countBonusHit") continue;
        control.widget()->setEnabled(true);
        if (control.options)
            for (QAbstractButton *item : control.options->buttons())
                item->setEnabled(true);
    }
}

} // namespace quorix
