# cmake -DPAGE=... -DSOURCE=... -DICON=... -DRSVG=... -DVERSION=... -DOUTPUT=... -P KelvaroWebSite.cmake
# Writes the installable site into OUTPUT: the one-file page as index.html, which links the
# manifest and starts the service worker when it is served; the manifest; its icons, rendered
# from the SVG; and the service worker, which caches all of them under a name that changes with
# their content.
file(MAKE_DIRECTORY ${OUTPUT})
file(READ ${SOURCE}/manifest.webmanifest manifest)
file(WRITE ${OUTPUT}/manifest.webmanifest "${manifest}")

foreach(size 192 512)
  execute_process(COMMAND ${RSVG} -w ${size} -h ${size} ${ICON} -o ${OUTPUT}/icon-${size}.png
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The maskable icon: the system draws it in a shape of its own, which may leave only a circle of
# 80 % of its width. The artwork, which reaches 115/128 of the SVG's half-width from its middle,
# is drawn at 448 of 512 pixels without its rounded frame, on the manifest's background.
string(JSON background GET "${manifest}" background_color)
file(READ ${ICON} artwork)
string(REGEX REPLACE "<rect[^>]*/>" "" artwork "${artwork}")
file(WRITE ${OUTPUT}.artwork.svg "${artwork}")
execute_process(COMMAND ${RSVG} -w 448 -h 448 --page-width 512 --page-height 512 --left 32 --top 32
                        -b ${background} ${OUTPUT}.artwork.svg -o ${OUTPUT}/icon-maskable-512.png
                COMMAND_ERROR_IS_FATAL ANY)
# iOS's home screen rounds an icon itself and fills what is transparent with black: the same
# artwork, opaque and without a frame of its own.
execute_process(COMMAND ${RSVG} -w 158 -h 158 --page-width 180 --page-height 180 --left 11 --top 11
                        -b ${background} ${OUTPUT}.artwork.svg -o ${OUTPUT}/apple-touch-icon.png
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUTPUT}.artwork.svg)

# The page may take its manifest, icons and worker from its own site.
file(READ ${PAGE} page)
file(READ ${SOURCE}/install.html install)
set(csp "img-src data:")
string(FIND "${page}" "${csp}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the page's content security policy has no '${csp}'")
endif()
string(REPLACE "${csp}" "img-src data: 'self'; manifest-src 'self'; worker-src 'self'" page "${page}")
string(REPLACE "</head>" "${install}</head>" page "${page}")
file(WRITE ${OUTPUT}/index.html "${page}")

set(files index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png
          apple-touch-icon.png)
set(content "")
foreach(name IN LISTS files)
  file(SHA256 ${OUTPUT}/${name} hash)
  string(APPEND content ${hash})
endforeach()
string(SHA256 hash "${content}")
string(SUBSTRING ${hash} 0 12 hash)
set(KELVARO_CACHE kelvaro-${VERSION}-${hash})
list(TRANSFORM files PREPEND "'./")
list(TRANSFORM files APPEND "'")
list(JOIN files ", " KELVARO_FILES)
set(KELVARO_FILES "'./', ${KELVARO_FILES}")
configure_file(${SOURCE}/sw.js.in ${OUTPUT}/sw.js @ONLY)
