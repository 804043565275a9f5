# The scene's compiled-in resources, found by pattern so that a new page or
# picture needs no list edit:
#   qml/**/*.qml, qml/**/*.js  -> "qrc:/modules/qml/<path>"
#   qml/img/<file>             -> "qrc:/modules/img/<file>"
#   qml/img/<folder>/<file>    -> "qrc:/<folder>/modules/img/skin1/<folder>/<file>"
#   qml/**/qmldir              -> beside its folder's files
# Every .qml and .js is also compiled ahead of time by qmlcachegen, so the
# engine loads byte code instead of parsing the sources at start-up. The
# sources stay in the resources: directory imports list them.

set(K7_SKIN_NO 1)
set(K7_SCENE_PICTURES png jpg gif ico)

# k7_scene_sources(<out_var>): the generated resource file and the compiled
# units, to be added to one target of the calling directory.
function(k7_scene_sources out_var)
    set(qml_dir ${CMAKE_SOURCE_DIR}/qml)
    set(gen_dir ${CMAKE_CURRENT_BINARY_DIR}/scene)

    file(GLOB_RECURSE code RELATIVE ${qml_dir} CONFIGURE_DEPENDS ${qml_dir}/*.qml ${qml_dir}/*.js)
    list(FILTER code EXCLUDE REGEX "^img/")
    list(SORT code)

    set(window_globs)
    set(skin_globs)
    foreach(ext ${K7_SCENE_PICTURES})
        list(APPEND window_globs ${qml_dir}/img/*.${ext})
        list(APPEND skin_globs ${qml_dir}/img/*/*.${ext})
    endforeach()
    file(GLOB window_pictures RELATIVE ${qml_dir}/img CONFIGURE_DEPENDS ${window_globs})
    file(GLOB skin_pictures RELATIVE ${qml_dir}/img CONFIGURE_DEPENDS ${skin_globs})
    list(SORT window_pictures)
    list(SORT skin_pictures)

    # A folder's qmldir declares its singletons (and so lists every type).
    file(GLOB_RECURSE module_files RELATIVE ${qml_dir} CONFIGURE_DEPENDS ${qml_dir}/qmldir)
    list(SORT module_files)

    set(qrc "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/modules/qml\">\n")
    foreach(rel ${code} ${module_files})
        string(APPEND qrc "  <file alias=\"${rel}\">${qml_dir}/${rel}</file>\n")
    endforeach()
    string(APPEND qrc "</qresource>\n<qresource prefix=\"/modules/img\">\n")
    foreach(rel ${window_pictures})
        string(APPEND qrc "  <file alias=\"${rel}\">${qml_dir}/img/${rel}</file>\n")
    endforeach()
    string(APPEND qrc "</qresource>\n")
    set(folders)
    foreach(rel ${skin_pictures})
        get_filename_component(folder ${rel} DIRECTORY)
        list(APPEND folders ${folder})
    endforeach()
    list(REMOVE_DUPLICATES folders)
    foreach(folder ${folders})
        string(APPEND qrc "<qresource prefix=\"/${folder}/modules/img/skin${K7_SKIN_NO}/${folder}\">\n")
        foreach(rel ${skin_pictures})
            get_filename_component(dir ${rel} DIRECTORY)
            if(dir STREQUAL folder)
                get_filename_component(name ${rel} NAME)
                string(APPEND qrc "  <file alias=\"${name}\">${qml_dir}/img/${rel}</file>\n")
            endif()
        endforeach()
        string(APPEND qrc "</qresource>\n")
    endforeach()
    string(APPEND qrc "</RCC>\n")
    # Written only when the content changes, so an unchanged scene does not
    # re-run rcc.
    file(CONFIGURE OUTPUT ${gen_dir}/scene.qrc CONTENT "${qrc}" @ONLY)

    set(cachegen $<TARGET_FILE:Qt6::qmlcachegen>)
    set(outputs ${gen_dir}/scene.qrc)
    set(resource_paths)
    foreach(rel ${code})
        string(MAKE_C_IDENTIFIER ${rel} stem)
        set(out ${gen_dir}/cache/${stem}.cpp)
        add_custom_command(OUTPUT ${out}
            COMMAND ${cachegen} --only-bytecode --resource-path /modules/qml/${rel} -o ${out} ${qml_dir}/${rel}
            DEPENDS ${qml_dir}/${rel} ${cachegen}
            COMMENT "Compiling qml/${rel}" VERBATIM)
        set_source_files_properties(${out} PROPERTIES SKIP_AUTOGEN ON)
        list(APPEND outputs ${out})
        list(APPEND resource_paths /modules/qml/${rel})
    endforeach()

    # The loader maps each resource address to its compiled unit; qmlcachegen
    # writes a loader when the output name ends in "qmlcache_loader.cpp".
    list(JOIN resource_paths "\n" listing)
    file(CONFIGURE OUTPUT ${gen_dir}/scene_units.rsp CONTENT "${listing}\n" @ONLY)
    set(loader ${gen_dir}/cache/k7scene_qmlcache_loader.cpp)
    add_custom_command(OUTPUT ${loader}
        COMMAND ${cachegen} --resource-name qmlcache_k7scene -o ${loader} @${gen_dir}/scene_units.rsp
        DEPENDS ${gen_dir}/scene_units.rsp ${cachegen}
        COMMENT "Writing the compiled scene's loader" VERBATIM)
    set_source_files_properties(${loader} PROPERTIES SKIP_AUTOGEN ON)
    list(APPEND outputs ${loader})

    set(${out_var} ${outputs} PARENT_SCOPE)
endfunction()
