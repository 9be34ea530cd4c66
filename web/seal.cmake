# Seals an assembled site as a release: the service worker with every file and its digest, and a
# cache name that changes with the release, the files and the worker's own code; then beside each
# text file and the WebAssembly module the copies that hosts send to browsers that accept them,
# `.br` (Brotli) and `.gz`. Run by assemble.cmake, and by the tests on a changed copy of a site, as
# the build would seal a new release.
#   cmake -DSITE=site -DWORKER=web/sw.js.in -DVERSION=1.2.0 -P seal.cmake

file(GLOB_RECURSE compressed ${SITE}/*.br ${SITE}/*.gz)
file(REMOVE ${compressed} ${SITE}/sw.js)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
file(SHA256 ${SITE}/index.html digest)
set(list "  './': '${digest}',\n")
file(SHA256 ${WORKER} digests)
foreach(f IN LISTS files)
  file(SHA256 ${SITE}/${f} digest)
  string(APPEND digests "${f} ${digest}\n")
  string(APPEND list "  '${f}': '${digest}',\n")
endforeach()
string(SHA256 contents "${digests}")
string(SUBSTRING ${contents} 0 12 contents)

file(READ ${WORKER} worker)
string(REPLACE "@CACHE@" "krugolet-${VERSION}-${contents}" worker "${worker}")
string(REPLACE "@FILES@" "{\n${list}}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")

# Images (PNG) are compressed already; every other file shrinks to a third or less.
file(GLOB_RECURSE texts ${SITE}/*)
list(FILTER texts INCLUDE REGEX "\\.(html|css|js|txt|webmanifest|svg|ico|wasm)$")
execute_process(COMMAND brotli --force --quality=11 ${texts} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9 --no-name --keep --force ${texts} COMMAND_ERROR_IS_FATAL ANY)
