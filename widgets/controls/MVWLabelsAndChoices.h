#pragma once

namespace marivo {

// Makes the labels, static texts, LED labels, images, check boxes, radio buttons and groups known
// to form data, with the widget bases; the first call does it.
void RegisterLabelAndChoiceClasses();

} // namespace marivo
