#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/foundation/MVWContainer.h"

namespace marivo {

// The image-list properties of a widget that publishes them. A global list belongs to no form,
// so it is named by its signature in "Internal" rather than by reference.
template <class T> TClassBuilder<T>& PublishImageLink(TClassBuilder<T>& builder) {
  return builder.Component("ImageList", &T::ImageList, &T::SetImageList)
      .Stored([](T& control) { return !IsGlobalContainerList(control.ImageList()); })
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex, TMVWImageLink::DefaultImageIndex)
      .Integer("ListIndex", &T::ListIndex, &T::SetListIndex, TMVWImageLink::DefaultListIndex);
}

// Makes the widget control classes known to form data, the foundation's first and each base
// before its descendants; the first call does it.
void RegisterControlClasses();

} // namespace marivo
