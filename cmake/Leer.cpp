// Carries the precompiled Qt header that the Qt libraries share.
