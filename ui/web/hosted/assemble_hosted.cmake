# cmake -DPAGE=<html> -DDIR=<folder> -DHEAD=<html.in> -DREGISTER=<html> -DMANIFEST=<in> -DWORKER=<in>
#       -DVERSION=<x.y> -DNAME=<text> -DTHEME_COLOUR=<#rgb> -DBACKGROUND_COLOUR=<#rgb> -P assemble_hosted.cmake
# Writes the folder for a static host beside the icons already in it: the one-file page as
# index.html with a link to its manifest and the service worker's registration, the manifest, and
# the worker, whose store is named by the version and a hash of the files.
file(READ ${PAGE} page)
configure_file(${HEAD} ${DIR}/head.html @ONLY)
file(READ ${DIR}/head.html head)
file(REMOVE ${DIR}/head.html)
file(READ ${REGISTER} register)
# Beyond the one-file page's policy, exactly the manifest, its icons (chromium loads them under the
# page's policy) and the worker, all from the page's own folder.
# Each place is found once: the same text inside the page's script would take the additions too.
foreach(marker "content=\"default-src 'none';" " img-src " "</head>" "</body>")
    string(FIND "${page}" "${marker}" at)
    string(FIND "${page}" "${marker}" last REVERSE)
    if(at EQUAL -1 OR NOT at EQUAL last)
        message(FATAL_ERROR "${PAGE} has not exactly one ${marker} to build the hosted page on")
    endif()
endforeach()
string(REPLACE "content=\"default-src 'none';" "content=\"default-src 'none'; manifest-src 'self'; worker-src 'self';"
       page "${page}")
string(REPLACE " img-src " " img-src 'self' " page "${page}")
string(REPLACE "</head>" "${head}</head>" page "${page}")
string(REPLACE "</body>" "${register}</body>" page "${page}")
file(WRITE ${DIR}/index.html "${page}")
configure_file(${MANIFEST} ${DIR}/manifest.webmanifest @ONLY)

set(files "")
set(hashes "")
foreach(file index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png)
    file(SHA256 ${DIR}/${file} sha256)
    string(APPEND files "\n  '${file}': '${sha256}',")
    string(APPEND hashes "${sha256}")
endforeach()
set(FILES "{${files}\n}")
string(SHA256 HASH "${hashes}")
string(SUBSTRING "${HASH}" 0 16 HASH)
configure_file(${WORKER} ${DIR}/service-worker.js @ONLY)
