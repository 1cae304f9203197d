// The embedded resources are generated next to this file by the build.
