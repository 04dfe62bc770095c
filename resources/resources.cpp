// Anchors the compiled-in pictures in a library of their own.
