# Assembles the site: the page's files, the core and its WebAssembly module, the library, the
# program's icon and favicon, and the service worker with the list of every file and a cache
# name that changes with their contents.
#   cmake -DSOURCE=web -DSITE=out -DCORE=krugolet-core.js -DLIBRARY=библиотека.txt
#         -DRESOURCES=resources -DVERSION=1.2.0 -P assemble.cmake

file(REMOVE_RECURSE ${SITE})
file(COPY ${SOURCE}/site/ DESTINATION ${SITE})
get_filename_component(core_dir ${CORE} DIRECTORY)
get_filename_component(core_name ${CORE} NAME_WE)
file(COPY ${CORE} ${core_dir}/${core_name}.wasm DESTINATION ${SITE}/js)
file(COPY ${LIBRARY} DESTINATION ${SITE})
file(COPY_FILE ${RESOURCES}/krugolet.ico ${SITE}/favicon.ico)
file(COPY ${RESOURCES}/icon.svg DESTINATION ${SITE}/icons)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(list "'./'")
set(digests "")
foreach(f IN LISTS files)
  file(SHA256 ${SITE}/${f} digest)
  string(APPEND digests "${f} ${digest}\n")
  string(APPEND list ", '${f}'")
endforeach()
string(SHA256 contents "${digests}")
string(SUBSTRING ${contents} 0 12 contents)

file(READ ${SOURCE}/sw.js.in worker)
string(REPLACE "@CACHE@" "krugolet-${VERSION}-${contents}" worker "${worker}")
string(REPLACE "@FILES@" "${list}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
