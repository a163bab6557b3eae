# KV_SANITIZE: build everything with sanitizers, "address,undefined" or
# "thread" (the double-dummy worker threads). Every finding stops the program,
# so a test run under it passes only when there is none.
set(KV_SANITIZE "" CACHE STRING "Sanitizers for every target: address,undefined or thread")
if(KV_SANITIZE)
  if(NOT KV_SANITIZE MATCHES "^(address,undefined|undefined,address|address|undefined|thread)$")
    message(FATAL_ERROR "KV_SANITIZE: '${KV_SANITIZE}' is neither address,undefined nor thread")
  endif()
  add_compile_options(-fsanitize=${KV_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${KV_SANITIZE})
endif()
