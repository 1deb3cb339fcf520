#!/usr/bin/env python3
"""The documented interface of a host library: the classes and functions its
headers declare with HOST_API.

  host_api.py HEADER...   prints the linker version script that exports
                          those names and nothing else

The build links each host library with the script made from its own
headers; tests/install/exported_names.py checks an install against them.
"""
import re
import sys

MARKED_CLASS = re.compile(r"^\s*(?:class|struct) HOST_API (\w+)")
MARKED_FUNCTION = re.compile(r"^\s*HOST_API [^(]*?(\w+)\(")
NAMESPACE_OPEN = re.compile(r"^namespace (\w+) \{")
NAMESPACE_CLOSE = re.compile(r"^\}\s*// namespace")
# What the compiler puts in front of a class's name for its type data.
TYPE_DATA = ("typeinfo for ", "typeinfo name for ", "vtable for ", "VTT for ",
             "non-virtual thunk to ", "virtual thunk to ")


def marked_names(headers):
    """The qualified names of the marked classes and of the marked functions."""
    classes, functions = set(), set()
    for header in headers:
        scope = []
        with open(header, encoding="utf-8") as text:
            for line in text:
                opened = NAMESPACE_OPEN.match(line)
                if opened:
                    scope.append(opened.group(1))
                elif NAMESPACE_CLOSE.match(line) and scope:
                    scope.pop()
                for pattern, names in ((MARKED_CLASS, classes), (MARKED_FUNCTION, functions)):
                    found = pattern.match(line)
                    if found:
                        names.add("::".join(scope + [found.group(1)]))
    return classes, functions


def belongs(symbol, classes, functions):
    """Whether a demangled symbol is one of the names or a member of one."""
    for prefix in TYPE_DATA:
        if symbol.startswith(prefix):
            symbol = symbol[len(prefix):]
            break
    if any(symbol == owner or symbol.startswith(owner + "::") for owner in classes):
        return True
    return any(symbol.startswith(function + "(") or symbol.startswith(function + "[abi:")
               for function in functions)


def version_script(classes, functions):
    """Glob patterns for exactly the names (`?` stands for a space)."""
    patterns = []
    for owner in sorted(classes):
        patterns.append(owner + "::*")
        patterns += [prefix.replace(" ", "?") + owner for prefix in TYPE_DATA[:4]]
        patterns += [prefix.replace(" ", "?") + owner + "::*" for prefix in TYPE_DATA[4:]]
    # "(" cannot stand in a pattern: `?` stands for it and for "[abi:".
    patterns += [function + "?*" for function in sorted(functions)]
    body = "".join(f"      {pattern};\n" for pattern in patterns)
    return ("/* Made by scripts/host_api.py from the library's headers. */\n"
            "{\n  global:\n    extern \"C++\" {\n" + body + "    };\n  local: *;\n};\n")


if __name__ == "__main__":
    sys.stdout.write(version_script(*marked_names(sys.argv[1:])))
