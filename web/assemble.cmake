# Assembles the site: the page's files with its modules and the core's loader bundled and minified
# into one (js/main.js, from main.js and whatever it imports), its style sheets minified, the
# core's WebAssembly module, the library, the program's icon and favicon, sealed as a release by
# seal.cmake: the service worker with the list of every file and a cache name that changes with
# their contents, and their compressed copies.
#   cmake -DSOURCE=web -DSITE=out -DCORE=krugolet-core.js -DLIBRARY=библиотека.txt
#         -DRESOURCES=resources -DVERSION=1.2.0 -DESBUILD=esbuild -DMODULES=modules
#         -P assemble.cmake

file(REMOVE_RECURSE ${SITE} ${MODULES})
file(COPY ${SOURCE}/site/ DESTINATION ${SITE} PATTERN js EXCLUDE PATTERN css EXCLUDE)
# The modules beside the core's loader, as the page imports it, in a folder of their own.
file(COPY ${SOURCE}/site/js/ DESTINATION ${MODULES})
file(COPY ${CORE} DESTINATION ${MODULES})
execute_process(COMMAND ${ESBUILD} ${MODULES}/main.js --bundle --minify --format=esm --charset=utf8
                        --outfile=${SITE}/js/main.js --log-level=warning COMMAND_ERROR_IS_FATAL ANY)
file(GLOB sheets ${SOURCE}/site/css/*.css)
execute_process(COMMAND ${ESBUILD} ${sheets} --minify --charset=utf8 --outdir=${SITE}/css --log-level=warning
                COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(core_dir ${CORE} DIRECTORY)
get_filename_component(core_name ${CORE} NAME_WE)
file(COPY ${core_dir}/${core_name}.wasm DESTINATION ${SITE}/js)
file(COPY ${LIBRARY} DESTINATION ${SITE})
file(COPY_FILE ${RESOURCES}/krugolet.ico ${SITE}/favicon.ico)
file(COPY ${RESOURCES}/icon.svg DESTINATION ${SITE}/icons)

execute_process(COMMAND ${CMAKE_COMMAND} -DSITE=${SITE} -DWORKER=${SOURCE}/sw.js.in
                        -DVERSION=${VERSION} -P ${SOURCE}/seal.cmake COMMAND_ERROR_IS_FATAL ANY)
