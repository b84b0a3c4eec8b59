#error "Portable code must not include Win32 headers; move this code to a platform library."
